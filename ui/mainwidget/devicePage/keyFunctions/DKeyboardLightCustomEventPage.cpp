#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_KB_LIGHT_FIRST, KEY_OPERATE_KB_LIGHT_LAST, parent)
{
    setObjectName("DKeyboardLightCustomEventPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Keyboard Light"));
}
