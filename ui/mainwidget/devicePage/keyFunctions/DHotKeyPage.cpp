#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_SHORTCUT, KEY_OPERATE_SHORTCUT, parent)
{
    setObjectName("DHotKeyPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Shortcuts"));
}
