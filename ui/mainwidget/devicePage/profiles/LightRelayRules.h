#pragma once

#include "sdk/store/VorlanXmlRecords.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightCap.h"

#include <QVector>

#include <vector>

// Rules of the device page's light relays.
class LightRelayRules
{
public:
    // Keyboard light modes that react to key presses, so the key tab's hook must pass keys through.
    static bool isKeyReactiveLightMode(int lightMode);
    // The custom light (mode 10) lets the user paint keys with the drag selection.
    static bool paintsKeys(int lightIndex);
    // The records of a custom-light set, rewritten whole: every cap whose custom-light colour is not
    // black, in row-major order, at transparency 128. The caps may come in any order.
    static std::vector<CustomLightItemStu> customLightItems(QVector<CustomLightCap> caps);
};
