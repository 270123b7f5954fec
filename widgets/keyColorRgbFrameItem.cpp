#include "widgets/keyColorRgbFrameItem.h"

keyColorRgbFrameItem::keyColorRgbFrameItem(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("keyColorRgbFrameItem"));
    resize(400, 300);
}
