#include "widgets/KeyViewGeometry.h"

#include <algorithm>
#include <cmath>

int KeyViewGeometry::roundScaled(double v)
{
    const int tenths = int(v * 10) % 10;
    return tenths <= 3 ? int(v) : int(v + 1);
}

QSize KeyViewGeometry::containerSize(const QSize &picture, float s)
{
    return QSize(roundScaled(picture.width() * s) + 2 * Margin, roundScaled(picture.height() * s) + 2 * Margin);
}

float KeyViewGeometry::fittingScale(const QSize &picture, const QSize &available, float wanted)
{
    // Whole tenths, so the steps are the zoom's own and 1.5 stays 1.5.
    int tenths = int(std::lround(double(wanted) * 10.0));
    while (tenths > 10) {
        const QSize container = containerSize(picture, float(tenths) / 10.0f);
        if (container.width() <= available.width() && container.height() <= available.height())
            break;
        --tenths;
    }
    return float(std::max(tenths, 10)) / 10.0f;
}

QRect KeyViewGeometry::keyRect(const KeyLayoutItem &key, float s)
{
    return QRect(roundScaled(key.posX * s) + Margin, roundScaled(key.posY * s) + Margin, roundScaled(key.width * s),
                 roundScaled(key.height * s));
}

QRect KeyViewGeometry::ledRect(const KeyLayoutItem &led, float s, const QSize &container)
{
    int x = 0, y = 0, w = 0, h = 0;
    switch (led.sidePosition) {
    case 1:
        y = roundScaled(led.posY * s) + Margin;
        h = roundScaled(led.height * s);
        if (led.posX == 0) {
            x = 0;
            w = led.width;
        } else {
            x = roundScaled(led.posX * s) + Margin;
            w = roundScaled(led.width * s);
        }
        break;
    case 2:
        x = container.width() - Margin;
        y = roundScaled(led.posY * s) + Margin;
        w = led.width;
        h = roundScaled(led.height * s);
        break;
    case 3:
        x = roundScaled(led.posX * s) + Margin;
        w = roundScaled(led.width * s);
        if (led.posY == 0) {
            y = 0;
            h = led.height;
        } else {
            y = roundScaled(led.posY * s) + Margin;
            h = roundScaled(led.height * s);
        }
        break;
    case 4:
        x = roundScaled(led.posX * s) + Margin;
        y = container.height() - Margin;
        w = roundScaled(led.width * s);
        h = led.height;
        break;
    default: return QRect();
    }
    if (x < 0)
        x = led.posX + Margin;
    if (y < 0)
        y = led.posY + Margin;
    return QRect(x, y, w, h);
}

QPoint KeyViewGeometry::keyCornerInView(const KeyLayoutItem &key, float s, const QPoint &origin)
{
    return QPoint(int(key.posX * s + origin.x() + Margin), int(key.posY * s + origin.y() + Margin));
}

QVector<int> KeyViewGeometry::keysInBand(const QVector<KeyLayoutItem> &keys, float s, const QPoint &origin, int x1,
                                         int y1, int x2, int y2)
{
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    QVector<int> inside;
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i).code == 0)
            continue;
        const QPoint corner = keyCornerInView(keys.at(i), s, origin);
        if (corner.x() >= left && corner.x() <= right && corner.y() >= top && corner.y() <= bottom)
            inside.append(i);
    }
    return inside;
}

int KeyViewGeometry::keyAt(const QVector<KeyLayoutItem> &keys, int columns, float s, const QPoint &origin,
                           int containerWidth, const QPoint &p)
{
    if (columns <= 0 || p.x() <= origin.x() || p.x() >= origin.x() + containerWidth)
        return -1;
    const int rows = keys.size() / columns;
    for (int r = 0; r < rows; ++r) {
        const KeyLayoutItem &head = keys.at(r * columns);
        const int bandTop = int(head.posY * s + origin.y() + Margin);
        const int bandBottom = int(bandTop + head.height * s);
        if (!(bandTop < p.y() && p.y() < bandBottom))
            continue;
        for (int c = 0; c < columns; ++c) {
            const int index = r * columns + c;
            const KeyLayoutItem &key = keys.at(index);
            if (key.code == 0)
                continue;
            const QPoint corner = keyCornerInView(key, s, origin);
            const int right = int(corner.x() + key.width * s);
            const int bottom = int(corner.y() + key.height * s);
            if (corner.x() < p.x() && p.x() < right && corner.y() < p.y() && p.y() < bottom)
                return index;
        }
        return -1;
    }
    return -1;
}
