#pragma once

#include <QPainterPath>
#include <QRect>
#include <QString>

class QWidget;

// Frameless translucent windows (pop-ups, toasts) with rounded or pointed outlines: on an X11
// desktop without a compositing manager their transparent parts would show as black, so the
// window is cut to its outline instead (the soft shadow is then lost).
namespace WindowShapeMask {

bool needsMask(bool isWindow, const QString &platformName, bool compositorRunning);

// Cuts the widget to the outline when needsMask holds for it on this desktop, else clears any mask.
void apply(QWidget *widget, const QPainterPath &outline);

// The outline of a window whose body is a child frame with rounded corners (frame in window
// coordinates).
QPainterPath roundedFrameOutline(const QRect &frame, qreal radius);

// Keeps the frame's window cut to the frame's rounded outline (through apply) whenever the window
// is shown or the frame moves or changes size.
void followRoundedFrame(QWidget *frame, qreal radius);

} // namespace WindowShapeMask
