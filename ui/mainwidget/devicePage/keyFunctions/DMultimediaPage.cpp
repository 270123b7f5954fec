#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_MULTIMEDIA, KEY_OPERATE_MULTIMEDIA, parent)
{
    setObjectName("DMultimediaPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Multimedia"));
}
