#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_PROFILE_SWITCH, KEY_OPERATE_PROFILE_SWITCH, parent)
{
    setObjectName("DChangProfilePage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Switch Profile"));
}
