#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_APPLICATION, KEY_OPERATE_APPLICATION, parent)
{
    setObjectName("DKeyWithAppPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Launch Application"));
}
