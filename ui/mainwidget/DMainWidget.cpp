#include "DMainWidget.h"

#include "WindowEdge.h"

DMainWidget::DMainWidget(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    resize(1280, 715);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
}

void DMainWidget::updateEdgeCursor(int x, int y)
{
    const QRect globalRect(mapToGlobal(rect().topLeft()), mapToGlobal(rect().bottomRight()));
    setCursor(cursorForEdge(windowEdgeAt(globalRect, QPoint(x, y))));
}
