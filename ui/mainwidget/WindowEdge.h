#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

// Where a pointer lies on the resize band of a frameless window.
enum WindowEdge { UP, DOWN, LEFT, RIGHT, LEFTTOP, LEFTBOTTOM, RIGHTBOTTOM, RIGHTTOP, NONE };

// globalRect is the window rectangle in global coordinates; corners win over sides.
WindowEdge windowEdgeAt(const QRect &globalRect, const QPoint &point);
Qt::CursorShape cursorForEdge(WindowEdge edge);
