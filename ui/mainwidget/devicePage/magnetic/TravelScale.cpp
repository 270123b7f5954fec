#include "ui/mainwidget/devicePage/magnetic/TravelScale.h"

namespace TravelScale {

int barLeft(int drawWidth, int barWidth)
{
    return drawWidth / 2 - barWidth / 2;
}

int pitch(int drawHeight, int n)
{
    return drawHeight / (n < 1 ? 1 : n);
}

QVector<int> ticks(int drawHeight, int n)
{
    QVector<int> result;
    const int step = pitch(drawHeight, n);
    for (int k = 1; k < n; ++k)
        result.append(step * k + 5);
    return result;
}

Snap snap(const QVector<int> &ticks, int y)
{
    if (y <= ticks.first())
        return {1, ticks.first()};
    if (y >= ticks.last())
        return {int(ticks.size()), ticks.last()};
    int i = 1;
    while (ticks.at(i) <= y)
        ++i;
    const int below = ticks.at(i) - y;
    const int above = y - ticks.at(i - 1);
    if (below <= above)
        return {i + 1, ticks.at(i)};
    return {i, ticks.at(i - 1)};
}

int fadeDecrement(int component, int n)
{
    if (n < 1)
        return 0;
    return component / 2 > n ? (component / 2) / n : 0;
}

QString millimetres(int steps)
{
    return QString::number(steps / 10.0, 'f', 1) + QStringLiteral("mm");
}

} // namespace TravelScale
