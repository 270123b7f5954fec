#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_MACRO, KEY_OPERATE_MACRO, parent)
{
    setObjectName("DMacroCmdPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Macro"));
}
