#pragma once

#include <QPoint>
#include <QString>

// Geometry of the colour picker: a disc of radius 40 around (60, 60) inside a ring.
namespace ColorRingGeometry {

constexpr int DiscCentre = 60;
constexpr int RingRadius = 40;

// Distance from the disc centre, computed in single precision and cut to an integer.
int pressDistance(const QPoint &p);
bool isRingPress(const QPoint &p);

// Ring value for a pointer position around the widget centre: 0 just left of the top, 25 left,
// 50 at the bottom, 75 right, 100 just right of the top; limited to minimum .. maximum.
double ringValueAt(const QPoint &p, const QPoint &centre, double minimum, double maximum);

// Knob rotation in degrees: a growing value turns it counter-clockwise from the top.
double knobAngle(double value, double minimum, double maximum);

// Saturation and value reported for a disc press, each limited to 0 .. 255.
int saturationAt(const QPoint &p);
int valueAt(const QPoint &p);

// "#RRGGBB", upper-case hexadecimal.
QString hexRgb(int red, int green, int blue);

} // namespace ColorRingGeometry
