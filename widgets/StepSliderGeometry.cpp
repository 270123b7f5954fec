#include "widgets/StepSliderGeometry.h"

namespace StepSliderGeometry {

QVector<int> tickPositions(int width, int margin, int steps)
{
    QVector<int> ticks;
    if (steps <= 0)
        return ticks;
    const int step = (width - 2 * margin) / steps;
    ticks.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i)
        ticks.append(margin + i * step);
    return ticks;
}

int handleXForIndex(int width, int margin, int steps, int index)
{
    if (steps <= 0)
        return margin;
    return index * ((width - 2 * margin) / steps) + margin;
}

int dragTarget(const QVector<int> &ticks, int x)
{
    for (int i = 0; i < ticks.size(); ++i) {
        if (x - SnapDistance < ticks[i] && ticks[i] < x + SnapDistance)
            return i;
    }
    return -1;
}

int pressTarget(const QVector<int> &ticks, int handleX, int x)
{
    const int snapped = dragTarget(ticks, x);
    if (snapped >= 0)
        return snapped;
    if (handleX < x) {
        for (int i = 0; i < ticks.size(); ++i) {
            if (ticks[i] > handleX)
                return i;
        }
    } else if (handleX > x) {
        for (int i = ticks.size() - 1; i >= 0; --i) {
            if (ticks[i] < handleX)
                return i;
        }
    }
    return -1;
}

} // namespace StepSliderGeometry
