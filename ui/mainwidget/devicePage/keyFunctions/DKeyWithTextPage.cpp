#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_TEXT, KEY_OPERATE_TEXT, parent)
{
    setObjectName("DKeyWithTextPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Text"));
}
