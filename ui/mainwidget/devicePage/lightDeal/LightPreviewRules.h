#pragma once

#include "sdk/light/LightCellStu.h"

#include <QColor>
#include <QMap>

// The colouring rules of the preview: a frame cell to a colour and an alpha, per mode and area,
// and the brightness dimming. Pure functions.
class LightPreviewRules
{
public:
    struct Preview
    {
        int red = 0;
        int green = 0;
        int blue = 0;
        int alpha = 0;
        bool darken = true;
        bool valid = false; // false: the mode has no colouring step, the colour stays
    };
    struct Rgb
    {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool isSet() const { return red || green || blue; }
    };

    static constexpr int keyAlpha = 180;
    static constexpr int sideAlpha = 250;

    // mix: the SDK's colour for the key (read by the SDK-coloured modes only).
    static Preview keyboardPreview(int mode, bool fullColor, Rgb c1, Rgb c2, const LightCellStu &cell, Rgb mix);
    static Preview sidePreview(int mode, bool fullColor, Rgb c1, Rgb c2, const LightCellStu &cell);
    // Custom: the cell's colour, alpha 180 unless black.
    static Preview customPreview(const LightCellStu &cell);

    // (x * a + (255 - a) * y) / 256 per component, truncated toward zero.
    static Rgb mix(Rgb x, int a, Rgb y);
    static int limit200(int a) { return a > 200 ? 200 : a; }

    // Speed Respond: (level, value) of each lit cell of column 0, rows in order, a later row
    // replacing an earlier one of the same level; the value is limited to 200 unless C2 is set.
    static QMap<int, int> speedRespondLevels(const LightCellStu *keyCells, bool c2Set);

    // Levels 1..n + 1 map to n + 1..1; n = 0 is taken as 1.
    static QMap<int, int> brightnessMap(int brightnessSteps);
    static int dimStep(int brightnessSteps);
    // The darker() factor for a level; a level outside the map takes the nearest entry.
    static int darkenFactor(const QMap<int, int> &map, int dimStep, int level);
    // The colour with alpha 255, then the alpha, then darkened (unless the rule says not).
    static QColor finalColor(const Preview &preview, int factor);
};
