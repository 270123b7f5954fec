#include "widgets/WindowShapeMask.h"

#include "platform/CompositingManager.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

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
