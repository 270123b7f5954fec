#include "widgets/BatteryItem.h"

#include "widgets/BatteryGlyph.h"

#include <QPainter>

BatteryItem::BatteryItem(QWidget *parent)
    : QLabel(parent)
{
}

void BatteryItem::setBatteryLevel(int level)
{
    m_fillColor = BatteryGlyph::fillColor(level, m_showText);
    m_level = level;
    m_fillWidth = BatteryGlyph::fillWidth(level);
    update();
}

void BatteryItem::setShowText(bool showText)
{
    m_showText = showText;
}

void BatteryItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(136, 205, 12));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2);
    painter.drawRect(QRect(29, 5, 1, 6));
    painter.drawRect(QRect(29, 5, 2, 6));

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(QRect(2, 2, m_fillWidth, 11));

    if (m_showText) {
        QFont textFont(QStringLiteral("Microsoft YaHei"), 7, 75, true);
        textFont.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(textFont);
        painter.setPen(QColor(235, 245, 245));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QStringLiteral("%1%").arg(m_level));
    }
}
