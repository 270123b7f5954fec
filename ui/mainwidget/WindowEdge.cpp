#include "ui/mainwidget/WindowEdge.h"

WindowEdge windowEdgeAt(const QRect &globalRect, const QPoint &point)
{
    const int band = 4;
    const int x = point.x();
    const int y = point.y();
    const bool left = x >= globalRect.left() && x <= globalRect.left() + band;
    const bool right = x >= globalRect.right() - band && x <= globalRect.right();
    const bool top = y >= globalRect.top() && y <= globalRect.top() + band;
    const bool bottom = y >= globalRect.bottom() - band && y <= globalRect.bottom();

    if (left && top)
        return LEFTTOP;
    if (right && bottom)
        return RIGHTBOTTOM;
    if (left && bottom)
        return LEFTBOTTOM;
    if (right && top)
        return RIGHTTOP;
    if (left)
        return LEFT;
    if (right)
        return RIGHT;
    if (top)
        return UP;
    if (bottom)
        return DOWN;
    return NONE;
}

Qt::CursorShape cursorForEdge(WindowEdge edge)
{
    switch (edge) {
    case UP:
    case DOWN: return Qt::SizeVerCursor;
    case LEFT:
    case RIGHT: return Qt::SizeHorCursor;
    case LEFTTOP:
    case RIGHTBOTTOM: return Qt::SizeFDiagCursor;
    case LEFTBOTTOM:
    case RIGHTTOP: return Qt::SizeBDiagCursor;
    case NONE: break;
    }
    return Qt::ArrowCursor;
}

QRect resizedByEdge(const QRect &globalRect, WindowEdge edge, const QPoint &point, const QSize &minimum)
{
    QRect rect = globalRect;
    const auto moveTop = [&] {
        if (globalRect.bottom() - point.y() > minimum.height())
            rect.setTop(point.y());
    };
    const auto moveLeft = [&] {
        if (globalRect.right() - point.x() > minimum.width())
            rect.setLeft(point.x());
    };
    const auto setHeight = [&] { rect.setHeight(point.y() - globalRect.top()); };
    const auto setWidth = [&] { rect.setWidth(point.x() - globalRect.left()); };

    switch (edge) {
    case UP: moveTop(); break;
    case DOWN: setHeight(); break;
    case LEFT: moveLeft(); break;
    case RIGHT: setWidth(); break;
    case LEFTTOP:
        moveLeft();
        moveTop();
        break;
    case LEFTBOTTOM:
        setHeight();
        moveLeft();
        break;
    case RIGHTBOTTOM:
        setWidth();
        setHeight();
        break;
    case RIGHTTOP:
        setWidth();
        moveTop();
        break;
    case NONE: break;
    }
    return rect;
}
