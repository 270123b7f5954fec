#include "widgets/BatteryGlyph.h"

#include <QtGlobal>

namespace BatteryGlyph {

QColor fillColor(int level, bool showText)
{
    if (!showText)
        return QColor(100, 150, 100);
    if (level >= 0 && level <= 25)
        return QColor(255, 60, 0);
    if (level >= 26 && level <= 50)
        return QColor(200, 140, 0);
    return QColor(100, 150, 100);
}

int fillWidth(int level)
{
    return qBound(0, level, 100) / 4;
}

} // namespace BatteryGlyph
