#include "widgets/ArrowWidget.h"

#include "app/DDataManager.h"
#include "widgets/ThemeColorText.h"
#include "widgets/WindowShapeMask.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>

namespace {

// The soft grey shadow in the free band around the box, painted as strokes of the outline. A
// graphics effect on the window would draw the box and text off the window's outline on X11.
const int kShadowSpread = 12;
const int kShadowStep = 2;
const int kShadowAlpha = 14;

} // namespace

ArrowWidget::ArrowWidget(int arrowDirection, QWidget *parent)
    : QDialog(parent)
    , m_arrowDirection(arrowDirection)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(0.9);

    installEventFilter(this);

    m_backgroundColor = opaqueThemeColor(DDataManager::instance()->getThemeInfo().AllBgColor);
}

void ArrowWidget::setWidgetSize(int width, int height)
{
    setFixedSize(width, height);
}

void ArrowWidget::setArrowPosition(int x)
{
    m_arrowPosition = x;
}

void ArrowWidget::setCenterWidget(QWidget *content)
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(content);
    layout->setSpacing(0);
    layout->setContentsMargins(15, m_arrowDirection == ArrowTop ? 25 : 15, 15, 15);
}

void ArrowWidget::setBackgroundColor(int red, int green, int blue)
{
    m_backgroundColor = QColor(red, green, blue, 255);
    update();
}

QPainterPath ArrowWidget::bodyPath(int arrowDirection, int width, int height, int arrowPosition)
{
    const int a = arrowPosition;
    QPainterPath path;
    if (arrowDirection == ArrowTop) {
        QPolygonF triangle;
        triangle << QPointF(a, 25) << QPointF(a + 7, 15) << QPointF(a + 15, 25);
        path.addPolygon(triangle);
        path.addRoundedRect(QRectF(15, 25, width - 30, height - 40), 5, 5);
    } else if (arrowDirection == ArrowBottom) {
        QPolygonF triangle;
        triangle << QPointF(a, height - 15) << QPointF(a + 7, height) << QPointF(a + 15, height - 15);
        path.addPolygon(triangle);
        path.addRoundedRect(QRectF(15, 15, width - 30, height - 30), 5, 5);
    } else {
        path.addRoundedRect(QRectF(15, 15, width - 30, height - 30), 5, 5);
    }
    // Triangle and box overlap along the edge; winding fill keeps the overlap filled.
    path.setFillRule(Qt::WindingFill);
    return path;
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        WindowShapeMask::apply(this, bodyPath(m_arrowDirection, width(), height(), m_arrowPosition));
    if (watched == this && event->type() == QEvent::WindowDeactivate && m_hidesWhenDeactivated) {
        hide();
        emit sigArrowWidgetHide();
    }
    return QDialog::eventFilter(watched, event);
}

void ArrowWidget::enterEvent(QEvent *event)
{
    emit sigArrowWidgetMouseEnter();
    QDialog::enterEvent(event);
}

void ArrowWidget::leaveEvent(QEvent *event)
{
    emit sigArrowWidgetMouseLeave();
    QDialog::leaveEvent(event);
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    const QPainterPath body = bodyPath(m_arrowDirection, width(), height(), m_arrowPosition);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Overlapping strokes darken towards the box; a window cut to its outline shows none of them.
    QColor shade(Qt::gray);
    shade.setAlpha(kShadowAlpha);
    for (int spread = kShadowSpread; spread > 0; spread -= kShadowStep)
        painter.strokePath(body, QPen(shade, 2 * spread, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawPath(body);
}
