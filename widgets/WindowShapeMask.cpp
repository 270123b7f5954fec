#include "widgets/WindowShapeMask.h"

#include "platform/CompositingManager.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

namespace {

class RoundedFrameFollower : public QObject
{
public:
    RoundedFrameFollower(QWidget *frame, qreal radius)
        : QObject(frame)
        , m_frame(frame)
        , m_radius(radius)
    {
        frame->installEventFilter(this);
        frame->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        const bool frameChanged = watched == m_frame && (type == QEvent::Move || type == QEvent::Resize);
        const bool windowShown = watched == m_frame->window() && type == QEvent::Show;
        if (frameChanged || windowShown) {
            QWidget *window = m_frame->window();
            const QRect frame(m_frame->mapTo(window, QPoint(0, 0)), m_frame->size());
            WindowShapeMask::apply(window, WindowShapeMask::roundedFrameOutline(frame, m_radius));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_frame;
    qreal m_radius;
};

} // namespace

bool WindowShapeMask::needsMask(bool isWindow, const QString &platformName, bool compositorRunning)
{
    // Other platforms compose every window (Wayland) or draw into images (offscreen).
    return isWindow && platformName == QLatin1String("xcb") && !compositorRunning;
}

void WindowShapeMask::apply(QWidget *widget, const QPainterPath &outline)
{
    if (needsMask(widget->isWindow(), QGuiApplication::platformName(), isX11CompositingManagerRunning()))
        widget->setMask(QRegion(outline.toFillPolygon().toPolygon(), Qt::WindingFill));
    else if (!widget->mask().isEmpty())
        widget->clearMask();
}

QPainterPath WindowShapeMask::roundedFrameOutline(const QRect &frame, qreal radius)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(frame), radius, radius);
    return outline;
}

void WindowShapeMask::followRoundedFrame(QWidget *frame, qreal radius)
{
    new RoundedFrameFollower(frame, radius);
}
