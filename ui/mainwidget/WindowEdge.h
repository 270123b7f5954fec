#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Where a pointer lies on the resize band of a frameless window.
enum WindowEdge { UP, DOWN, LEFT, RIGHT, LEFTTOP, LEFTBOTTOM, RIGHTBOTTOM, RIGHTTOP, NONE };

// globalRect is the window rectangle in global coordinates; corners win over sides.
WindowEdge windowEdgeAt(const QRect &globalRect, const QPoint &point);
Qt::CursorShape cursorForEdge(WindowEdge edge);

// The window rectangle (global) after dragging the given edge to point: a top or left edge
// moves only while the remaining height or width still exceeds the minimum, the opposite edge
// staying put; widths and heights keep the top-left corner.
QRect resizedByEdge(const QRect &globalRect, WindowEdge edge, const QPoint &point, const QSize &minimum);
