#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_SIDE_LIGHT_FIRST, KEY_OPERATE_SIDE_LIGHT_LAST, parent)
{
    setObjectName("DSideLightCustomEventPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Atmosphere Light"));
}
