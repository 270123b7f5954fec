#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// A plain parent or window in one colour, so a grab or a screenshot shows exactly what is painted
// over it.
inline void makeColouredBackdrop(QWidget &backdrop, const QColor &colour, const QSize &size)
{
    QPalette palette = backdrop.palette();
    palette.setColor(QPalette::Window, colour);
    backdrop.setPalette(palette);
    backdrop.setAutoFillBackground(true);
    backdrop.resize(size);
}

inline void makeBlackBackdrop(QWidget &backdrop, const QSize &size)
{
    makeColouredBackdrop(backdrop, Qt::black, size);
}
