#pragma once

#include <QPalette>
#include <QWidget>

// A plain black parent, so a grab shows exactly what its transparent children paint.
inline void makeBlackBackdrop(QWidget &backdrop, const QSize &size)
{
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    backdrop.setPalette(palette);
    backdrop.setAutoFillBackground(true);
    backdrop.resize(size);
}
