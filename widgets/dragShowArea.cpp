#include "widgets/dragShowArea.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

dragShowArea::dragShowArea(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void dragShowArea::setAreaColor(int r, int g, int b)
{
    m_red = r;
    m_green = g;
    m_blue = b;
}

void dragShowArea::setClickMode(bool clickMode)
{
    m_clickMode = clickMode;
}

void dragShowArea::setDragEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

QPoint dragShowArea::clampToContents(const QPoint &point) const
{
    const QRect contents = contentsRect();
    return QPoint(std::clamp(point.x(), 0, contents.width()), std::clamp(point.y(), 0, contents.height()));
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    if (event->button() == Qt::LeftButton) {
        if (m_clickMode) {
            m_dragging = false;
            emit sigDragAreaMousePressOrRelease(true);
            return;
        }
        m_startPoint = m_currentPoint = m_endPoint = event->pos();
        m_dragging = true;
    } else if (event->button() == Qt::RightButton) {
        // The owner turns an empty band into a cleared selection.
        emit sigDragArea(0, 0, 0, 0);
    }
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    if (!m_dragging) {
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_currentPoint = clampToContents(event->pos());
    update();
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_enabled || event->button() != Qt::LeftButton)
        return;
    if (m_clickMode) {
        emit sigDragAreaMousePressOrRelease(false);
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_endPoint = event->pos();
    m_dragging = false;
    update();
    m_endPoint = clampToContents(m_endPoint);
    emit sigDragArea(m_startPoint.x(), m_startPoint.y(), m_endPoint.x(), m_endPoint.y());
}

void dragShowArea::paintEvent(QPaintEvent *)
{
    if (!m_enabled || !m_dragging)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    int dw = m_currentPoint.x() - m_startPoint.x();
    int dh = m_currentPoint.y() - m_startPoint.y();
    // Keeps the outline inside the band whichever way it is dragged.
    if (dw < 0)
        dw += 2;
    if (dh < 0)
        dh += 2;
    if (dw > 0)
        dw -= 2;
    if (dh > 0)
        dh -= 2;
    const QRect band(m_startPoint.x(), m_startPoint.y(), dw, dh);
    painter.fillRect(band, QColor(m_red, m_green, m_blue, 100));
    painter.setPen(QPen(QColor(m_red, m_green, m_blue, 255), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(band);
}
