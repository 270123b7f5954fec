#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_KEY_CONFIG, KEY_OPERATE_KEY_CONFIG, parent)
{
    setObjectName("DKeyConfigFunctionPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Key Config"));
}
