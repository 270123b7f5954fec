#include "widgets/ColorRingGeometry.h"

#include <QtGlobal>

#include <cmath>

namespace ColorRingGeometry {

int pressDistance(const QPoint &p)
{
    const float dx = float(p.x() - DiscCentre);
    const float dy = float(p.y() - DiscCentre);
    return int(std::sqrt(dx * dx + dy * dy));
}

bool isRingPress(const QPoint &p)
{
    return pressDistance(p) >= RingRadius;
}

double ringValueAt(const QPoint &p, const QPoint &centre, double minimum, double maximum)
{
    const double dx = p.x() - centre.x();
    const double dy = p.y() - centre.y();
    // atan2(dx, dy): 0 straight below the centre, +90 to the right, +-180 above.
    const double angle = std::atan2(dx, dy) * 180.0 / M_PI;
    const double value = (180.0 + angle) * (maximum - minimum) / 360.0 + minimum;
    return qBound(minimum, value, maximum);
}

double knobAngle(double value, double minimum, double maximum)
{
    if (maximum == minimum)
        return 0.0;
    return -360.0 * (value - minimum) / (maximum - minimum);
}

int saturationAt(const QPoint &p)
{
    return qBound(0, p.x(), 255);
}

int valueAt(const QPoint &p)
{
    return qBound(0, 255 - p.y(), 255);
}

QString hexRgb(int red, int green, int blue)
{
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace ColorRingGeometry
