#include "DMouseKeyPage.h"

#include "KeyOperateType.h"

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_MOUSE, KEY_OPERATE_MOUSE, parent)
{
    setObjectName("DMouseKeyPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Mouse"));
}
