#pragma once

#include <QVector>

// Tick and snap rules of the stepped slider; no widget state.
namespace StepSliderGeometry {

// Distance below which a press or drag snaps to a tick (exclusive on both sides).
constexpr int SnapDistance = 5;

// x of each tick: margin + i * step for i = 0 .. steps, step = (width - 2 * margin) / steps.
// Empty for steps <= 0.
QVector<int> tickPositions(int width, int margin, int steps);

// Handle x for a tick index, as the slider places it without a mouse.
int handleXForIndex(int width, int margin, int steps, int index);

// Index of the tick a press at x moves the handle to: the tick within snap distance, else one tick
// from the handle towards the press; -1 when the handle does not move.
int pressTarget(const QVector<int> &ticks, int handleX, int x);

// Index of the tick a drag at x snaps to, or -1 while x is between ticks.
int dragTarget(const QVector<int> &ticks, int x);

} // namespace StepSliderGeometry
