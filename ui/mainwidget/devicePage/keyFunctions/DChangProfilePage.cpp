#include "DChangProfilePage.h"

#include "KeyOperateType.h"

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_PROFILE_SWITCH, KEY_OPERATE_PROFILE_SWITCH, parent)
{
    setObjectName("DChangProfilePage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Switch Profile"));
}
