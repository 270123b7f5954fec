#include "widgets/sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
}

void sideLightButtonCustom::setLedSize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
}

void sideLightButtonCustom::setLedPosition(int x, int y)
{
    m_x = x;
    m_y = y;
    m_position = QPoint(x, y);
}

void sideLightButtonCustom::setLedIndex(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setLightColor(const QColor &color)
{
    // The light preview sets every segment on each refresh: only a change repaints.
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    // A square segment has no direction to fade along.
    if (m_width == m_height)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient =
        m_height < m_width ? QLinearGradient(0, 0, m_width, 0) : QLinearGradient(0, 0, 0, m_height);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, m_color);
    gradient.setColorAt(1, Qt::transparent);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    if (m_rounded && m_height < m_width) {
        const int radius = m_height / 2 - 1;
        painter.drawRoundedRect(0, 0, m_width, m_height, radius, radius);
    } else {
        painter.drawRect(0, 0, m_width, m_height);
    }
}
