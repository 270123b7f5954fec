#include "DKeyDisablePage.h"

#include "KeyOperateType.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_DISABLE, KEY_OPERATE_DISABLE, parent)
{
    setObjectName("DKeyDisablePage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Disable"));
}
