#pragma once

#include <QString>
#include <QVector>

// Geometry of the travel display: a column of n equal segments, one per 0.1 mm step, with the
// mark on one of the n - 1 boundaries between them. All divisions drop the remainder.
namespace TravelScale {

struct Snap
{
    int step; // 1-based travel step of the boundary
    int y;    // the boundary's y
};

// Left edge of a bar of barWidth centred in drawWidth (each half taken separately).
int barLeft(int drawWidth, int barWidth);
// drawHeight / n; n below 1 counts as 1.
int pitch(int drawHeight, int n);
// The boundaries pitch * k + 5 for k = 1 .. n - 1.
QVector<int> ticks(int drawHeight, int n);
// Nearest boundary to y; a position halfway between two takes the larger step. Needs a tick.
Snap snap(const QVector<int> &ticks, int y);
// Per-segment fade of one colour component of the live fill.
int fadeDecrement(int component, int n);
// A travel in 0.1 mm steps as millimetres with one decimal: 5 as "0.5mm".
QString millimetres(int steps);

} // namespace TravelScale
