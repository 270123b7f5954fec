#pragma once

#include <QColor>

// Fill rules of the battery glyph.
namespace BatteryGlyph {

// Red-orange up to 25 %, amber up to 50 %, green above (and below 0); green always without text.
QColor fillColor(int level, bool showText);

// Width of the fill inside the 25-pixel body; the level comes from a keyboard byte, so it is
// limited to 0 .. 100 before scaling.
int fillWidth(int level);

} // namespace BatteryGlyph
