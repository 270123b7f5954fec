#include "ui/mainwidget/devicePage/lightDeal/LightPreviewRules.h"

namespace {

using Preview = LightPreviewRules::Preview;
using Rgb = LightPreviewRules::Rgb;

Rgb cellColor(const LightCellStu &cell)
{
    return {cell.red, cell.green, cell.blue};
}

Preview make(Rgb c, int alpha)
{
    Preview p;
    p.red = c.red;
    p.green = c.green;
    p.blue = c.blue;
    p.alpha = alpha;
    p.valid = true;
    return p;
}

bool countShown(const LightCellStu &cell)
{
    return cell.code >= 1 && cell.code <= 9;
}

} // namespace

Rgb LightPreviewRules::mix(Rgb x, int a, Rgb y)
{
    return {(x.red * a + (255 - a) * y.red) / 256, (x.green * a + (255 - a) * y.green) / 256,
            (x.blue * a + (255 - a) * y.blue) / 256};
}

Preview LightPreviewRules::keyboardPreview(int mode, bool fullColor, Rgb c1, Rgb c2, const LightCellStu &cell, Rgb sdk)
{
    const Rgb c = cellColor(cell);
    const int a = cell.alpha;
    const int a200 = limit200(a);
    switch (mode) {
    case 0: return make(c, c1.isSet() ? keyAlpha : 0);
    case 1: {
        const Rgb scaled = mix(c, a, {});
        return make(scaled, c1.isSet() || scaled.isSet() ? a200 : 0);
    }
    case 2:
        if (fullColor)
            return make(c, keyAlpha);
        return make(mix(c1, a, c2), c1.isSet() ? keyAlpha : a200);
    case 3:
        if (fullColor)
            return make(c, keyAlpha);
        return make(mix(c, a, c2), c1.isSet() ? keyAlpha : a200);
    case 4:
        if (fullColor)
            return make(c, keyAlpha);
        return make(mix(c1, a, c2), c2.isSet() ? keyAlpha : a200);
    case 5:
        if (fullColor)
            return make(sdk, c2.isSet() || countShown(cell) ? keyAlpha : a200);
        return make(mix(c, a, c2), c2.isSet() ? keyAlpha : a200);
    case 6:
    case 7:
    case 11:
    case 15:
    case 16:
        if (fullColor)
            return make(sdk, c2.isSet() || countShown(cell) ? keyAlpha : a200);
        return make(sdk, c2.isSet() ? keyAlpha : a200);
    case 8:
    case 12:
    case 14: return make(sdk, c2.isSet() ? keyAlpha : a200);
    case 9:
        if (c2.isSet())
            return make(mix(c, a, c2), keyAlpha);
        return make(mix(c, a200, {}), a200);
    default: // DPI, Custom (coloured elsewhere) and unknown codes
        return {};
    }
}

Preview LightPreviewRules::sidePreview(int mode, bool fullColor, Rgb c1, Rgb c2, const LightCellStu &cell)
{
    const Rgb c = cellColor(cell);
    const int a = cell.alpha;
    const int a200 = limit200(a);
    switch (mode) {
    case 0: return make(c, c1.isSet() ? sideAlpha : 0);
    case 1: {
        const Rgb scaled = mix(c, a, {});
        return make(scaled, c2.isSet() || scaled.isSet() ? a200 : 0);
    }
    case 2:
        if (fullColor)
            return make(c, sideAlpha);
        return make(mix(c1, a, c2), c2.isSet() ? sideAlpha : a200);
    case 3:
        if (fullColor)
            return make(mix(c, a, {cell.bgRed, cell.bgGreen, cell.bgBlue}),
                        c2.isSet() || countShown(cell) ? sideAlpha : a200);
        return make(mix(c, a, c2), c2.isSet() ? sideAlpha : a200);
    case 4:
        if (fullColor)
            return make(c, sideAlpha);
        return make(mix(c, a, c2), c2.isSet() ? sideAlpha : a200);
    case 5: {
        Preview p = make({}, 0);
        p.darken = false;
        return p;
    }
    default: return {};
    }
}

Preview LightPreviewRules::customPreview(const LightCellStu &cell)
{
    const Rgb c = cellColor(cell);
    return make(c, c.isSet() ? keyAlpha : 0);
}

QMap<int, int> LightPreviewRules::speedRespondLevels(const LightCellStu *keyCells, bool c2Set)
{
    QMap<int, int> levels;
    for (int row = 0; row < kLightKeyRows; ++row) {
        const LightCellStu &cell = keyCells[row * kLightKeyColumns];
        if (cell.alpha > 0)
            levels.insert(cell.level, c2Set ? cell.alpha : limit200(cell.alpha));
    }
    return levels;
}

QMap<int, int> LightPreviewRules::brightnessMap(int brightnessSteps)
{
    const int n = brightnessSteps > 0 ? brightnessSteps : 1;
    QMap<int, int> map;
    for (int level = 1; level <= n + 1; ++level)
        map.insert(level, n + 2 - level);
    return map;
}

int LightPreviewRules::dimStep(int brightnessSteps)
{
    return 160 / (brightnessSteps > 0 ? brightnessSteps : 1);
}

int LightPreviewRules::darkenFactor(const QMap<int, int> &map, int dimStep, int level)
{
    if (map.isEmpty())
        return 100;
    int value;
    if (map.contains(level))
        value = map.value(level);
    else if (level < map.firstKey())
        value = map.first();
    else
        value = map.last();
    return 100 + (value - 1) * dimStep;
}

QColor LightPreviewRules::finalColor(const Preview &preview, int factor)
{
    QColor color(qBound(0, preview.red, 255), qBound(0, preview.green, 255), qBound(0, preview.blue, 255), 255);
    color.setAlpha(qBound(0, preview.alpha, 255));
    return preview.darken ? color.darker(factor) : color;
}
