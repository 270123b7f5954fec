#include "widgets/FormParts.h"

#include <QFrame>
#include <QSpacerItem>
#include <QWidget>

namespace FormParts {

QFrame *newFrame(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QWidget *newPage(const char *name)
{
    auto *page = new QWidget();
    page->setObjectName(name);
    return page;
}

QSpacerItem *hSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

QSpacerItem *vSpacer()
{
    return new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

QString pictureSheet(const char *type, const QString &normal, const QString &active, bool checkable)
{
    QString sheet = QString("%1{border-image: url(%2);}%1:hover{border-image: url(%3);}"
                            "%1:pressed{border-image: url(%3);}")
                        .arg(type, normal, active);
    if (checkable)
        sheet += QString("%1:checked{border-image: url(%2);}").arg(type, active);
    return sheet;
}

} // namespace FormParts
