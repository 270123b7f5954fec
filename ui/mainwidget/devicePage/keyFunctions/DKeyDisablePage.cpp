#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_DISABLE, KEY_OPERATE_DISABLE, parent)
{
    setObjectName("DKeyDisablePage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Disable"));
}
