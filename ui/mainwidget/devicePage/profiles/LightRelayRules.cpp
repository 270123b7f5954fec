#include "ui/mainwidget/devicePage/profiles/LightRelayRules.h"

#include "sdk/protocol/HidText.h"

#include <algorithm>

namespace {

constexpr int kCustomLightMode = 10;
constexpr int kSavedTransparency = 128;

} // namespace

bool LightRelayRules::isKeyReactiveLightMode(int lightMode)
{
    switch (lightMode) {
    case 6:  // reactive
    case 7:  // aurora
    case 8:  // ripple
    case 11: // cross
    case 12: // speed respond
    case 16: // fireworks
        return true;
    default: return false;
    }
}

bool LightRelayRules::paintsKeys(int lightIndex)
{
    return lightIndex == kCustomLightMode;
}

std::vector<CustomLightItemStu> LightRelayRules::customLightItems(QVector<CustomLightCap> caps)
{
    std::stable_sort(caps.begin(), caps.end(), [](const CustomLightCap &a, const CustomLightCap &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<CustomLightItemStu> items;
    for (const CustomLightCap &cap : caps) {
        const QColor &colour = cap.customLightColor;
        if (colour.red() == 0 && colour.green() == 0 && colour.blue() == 0)
            continue;
        CustomLightItemStu item{};
        copyHidText(item.keyCode, sizeof(item.keyCode), QByteArray::number(cap.keyDec).toStdString());
        // Latin-1 is one byte per character, so 63 bytes are 63 characters.
        copyHidText(item.codeName, sizeof(item.codeName), cap.caption.toLatin1().toStdString());
        item.indexX = cap.row;
        item.indexY = cap.column;
        item.colorR = colour.red();
        item.colorG = colour.green();
        item.colorB = colour.blue();
        item.transparentNum = kSavedTransparency;
        items.push_back(item);
    }
    return items;
}
