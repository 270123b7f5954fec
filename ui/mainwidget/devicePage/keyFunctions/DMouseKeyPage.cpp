#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_MOUSE, KEY_OPERATE_MOUSE, parent)
{
    setObjectName("DMouseKeyPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Mouse"));
}
