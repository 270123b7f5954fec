#include "widgets/sliderCustomWidget.h"

#include "widgets/StepSliderGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

sliderCustomWidget::sliderCustomWidget(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(130, 30);
}

void sliderCustomWidget::setSliderSize(int width, int height)
{
    setFixedSize(width, height);
    m_grooveEnd = width - m_margin;
    m_handleY = height / 2 - 1;
    m_grooveY = height / 2;
}

void sliderCustomWidget::setMargin(int margin)
{
    m_margin = margin;
}

void sliderCustomWidget::setStepCount(int steps)
{
    // Non-positive counts would give no ticks and a negative step: keep the slider as it was.
    if (steps <= 0)
        return;
    m_stepCount = steps;
    m_ticks = StepSliderGeometry::tickPositions(width(), m_margin, steps);
    m_grooveEnd = m_ticks.last();
}

void sliderCustomWidget::setCurrentPosition(int index)
{
    m_handleX = StepSliderGeometry::handleXForIndex(width(), m_margin, m_stepCount, index);
    update();
}

void sliderCustomWidget::setGrooveColor(const QColor &color)
{
    m_grooveColor = color;
    update();
}

void sliderCustomWidget::setTickColor(const QColor &color)
{
    m_tickColor = color;
    update();
}

void sliderCustomWidget::setHandleColor(const QColor &color)
{
    m_handleColor = color;
    update();
}

void sliderCustomWidget::mousePressEvent(QMouseEvent *event)
{
    const int target = StepSliderGeometry::pressTarget(m_ticks, m_handleX, event->pos().x());
    if (target < 0)
        return;
    m_handleX = m_ticks[target];
    emit sigBackCurrentPositionNum(target);
    update();
}

void sliderCustomWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int target = StepSliderGeometry::dragTarget(m_ticks, event->pos().x());
    if (target >= 0) {
        m_handleX = m_ticks[target];
        emit sigBackCurrentPositionNum(target);
    }
    update();
}

void sliderCustomWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(m_grooveColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(m_margin, m_grooveY, m_grooveEnd, m_grooveY);

    painter.setPen(QPen(m_tickColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    for (int tick : qAsConst(m_ticks))
        painter.drawLine(tick, m_grooveY - 3, tick, m_grooveY - 1);

    painter.setPen(Qt::NoPen);
    QRadialGradient gradient(m_handleX, m_handleY, 6);
    gradient.setColorAt(0, m_handleColor);
    gradient.setColorAt(1, Qt::transparent);
    painter.setBrush(gradient);
    painter.drawEllipse(QPoint(m_handleX, m_handleY), 6, 6);
}
