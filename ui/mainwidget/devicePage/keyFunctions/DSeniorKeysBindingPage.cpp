#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_SENIOR_KEY, KEY_OPERATE_SENIOR_KEY, parent)
{
    setObjectName("DSeniorKeysBindingPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Senior Keys"));
}
