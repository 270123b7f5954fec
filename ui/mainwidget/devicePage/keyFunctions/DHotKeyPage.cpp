#include "DHotKeyPage.h"

#include "KeyOperateType.h"

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_SHORTCUT, KEY_OPERATE_SHORTCUT, parent)
{
    setObjectName("DHotKeyPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Shortcuts"));
}
