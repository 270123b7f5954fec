#pragma once

#include "widgets/KeyLayoutItem.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

// Placement rules of the keyboard view: rounding, scaling, band selection and hover hits.
// Layout coordinates are picture coordinates; the picture sits 10 pixels inside its container.
class KeyViewGeometry
{
public:
    static constexpr int Margin = 10;

    // R(v): rounds up from a tenths digit of 4 (2.35 -> 2, 2.4 -> 3).
    static int roundScaled(double v);

    // Container for a picture of the given unscaled size at scale s.
    static QSize containerSize(const QSize &picture, float s);

    // The largest scale up to `wanted`, in the zoom's steps of 0.1, whose container fits into
    // `available`; never below 1.0, the unzoomed picture.
    static float fittingScale(const QSize &picture, const QSize &available, float wanted);

    // Cap geometry in the key frame at scale s.
    static QRect keyRect(const KeyLayoutItem &key, float s);

    // LED segment geometry at scale s; edge segments keep their unscaled thickness.
    // Null when the record has no side position.
    static QRect ledRect(const KeyLayoutItem &led, float s, const QSize &container);

    // A key's scaled top-left corner in view coordinates, the container at origin (truncated).
    static QPoint keyCornerInView(const KeyLayoutItem &key, float s, const QPoint &origin);

    // Indexes of the non-gap records whose scaled top-left corner lies in the band, bounds
    // included, corners in either order.
    static QVector<int> keysInBand(const QVector<KeyLayoutItem> &keys, float s, const QPoint &origin, int x1, int y1,
                                   int x2, int y2);

    // Index of the key under p, or -1. Only the first row whose band (from its head, the record
    // in column 0) contains p is examined. keys is the row-major matrix; missing rows have no band.
    static int keyAt(const QVector<KeyLayoutItem> &keys, int columns, float s, const QPoint &origin, int containerWidth,
                     const QPoint &p);
};
