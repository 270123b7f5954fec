#include "ui/mainwidget/devicePage/magnetic/DSensitivityShowWidget.h"

#include "ui/mainwidget/devicePage/magnetic/TravelScale.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

DSensitivityShowWidget::DSensitivityShowWidget(QWidget *parent)
    : QWidget(parent)
    , m_markPicture(QStringLiteral(":/images/device/Sensitivity/slider_C.png"))
{
    setColors(QColor(92, 92, 126), QColor(255, 143, 31), QColor(70, 70, 70), QColor(255, 143, 31), QColor(26, 27, 49));
}

void DSensitivityShowWidget::setDrawArea(int width, int height)
{
    m_drawWidth = width;
    m_drawHeight = height;
}

void DSensitivityShowWidget::setStepCount(int n)
{
    m_stepCount = std::max(n, 1);
    m_segmentHeight = TravelScale::pitch(m_drawHeight, m_stepCount) - m_gap;
    m_ticks = TravelScale::ticks(m_drawHeight, m_stepCount);
}

void DSensitivityShowWidget::setColors(QColor segment, QColor liveFill, QColor spare, QColor label, QColor background)
{
    m_segmentColor = segment;
    m_liveFillColor = liveFill;
    m_spareColor = spare;
    m_labelColor = label;
    m_backgroundColor = background;
    const int components[3] = {liveFill.red(), liveFill.green(), liveFill.blue()};
    for (int c = 0; c < 3; ++c) {
        m_fadeBase[c] = components[c];
        m_fadeDecrement[c] = TravelScale::fadeDecrement(components[c], m_stepCount);
    }
    update();
}

void DSensitivityShowWidget::setBarWidth(int width)
{
    m_barWidth = width;
}

void DSensitivityShowWidget::setCenterMark(int step)
{
    if (m_ticks.isEmpty())
        return;
    m_centerY = m_ticks.at(std::clamp(step, 1, int(m_ticks.size())) - 1);
}

void DSensitivityShowWidget::setLiveTravel(int segments)
{
    m_liveTravel = segments;
    update();
}

void DSensitivityShowWidget::setLiveTravelVisible(bool visible)
{
    m_liveTravelVisible = visible;
    update();
}

void DSensitivityShowWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    m_centerY = event->pos().y();
    update();
}

void DSensitivityShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void DSensitivityShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_centerY = event->pos().y();
    update();
}

void DSensitivityShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const int x0 = TravelScale::barLeft(m_drawWidth, m_barWidth);
    const int pitch = TravelScale::pitch(m_drawHeight, m_stepCount);
    const QRect contents = contentsRect();
    painter.fillRect(QRect(x0, contents.top(), m_barWidth, contents.height()), m_backgroundColor);

    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_stepCount; ++i) {
        painter.setBrush(i == m_stepCount - 1 ? QColor(0, 0, 0, 0) : m_segmentColor);
        painter.drawRoundedRect(QRect(x0, 5 + i * pitch, m_barWidth, m_segmentHeight), 3, 3);
    }
    if (m_liveTravelVisible) {
        // Beyond the bar there is nothing to fill.
        const int filled = std::min(m_liveTravel, m_stepCount);
        for (int i = 0; i < filled; ++i) {
            painter.setBrush(QColor(std::max(m_fadeBase[0] - i * m_fadeDecrement[0], 0),
                                    std::max(m_fadeBase[1] - i * m_fadeDecrement[1], 0),
                                    std::max(m_fadeBase[2] - i * m_fadeDecrement[2], 0)));
            painter.drawRoundedRect(QRect(x0, 5 + i * pitch, m_barWidth, m_segmentHeight), 3, 3);
        }
    }

    // Without a boundary (no maximum travel reported) there is no mark to draw or report.
    if (m_ticks.isEmpty())
        return;
    const TravelScale::Snap mark = TravelScale::snap(m_ticks, m_centerY);
    m_centerStep = mark.step;
    emit sigCurrentStrengthNumBack(1, mark.step);
    painter.drawPixmap(QRect(m_drawWidth / 2 - 5, mark.y - 6, 11, 11), m_markPicture);
    painter.setPen(QPen(m_labelColor, 1, Qt::SolidLine));
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(9);
    painter.setFont(font);
    painter.drawText(QPoint(m_drawWidth / 2 + 23, mark.y + 4), TravelScale::millimetres(mark.step));
}
