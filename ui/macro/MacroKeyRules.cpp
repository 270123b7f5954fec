#include "ui/macro/MacroKeyRules.h"

#include "platform/HookKeypadKeys.h"

#include <QElapsedTimer>

namespace MacroKeyRules {

HookKey normaliseKey(int keyCode, int scanCode, bool press, int hookFlag)
{
    HookKey key{keyCode, press};
    if (keyCode == 13) {
        switch (hookFlag) {
        case 0x00: key = {999, true}; break;
        case 0x01: key = {998, true}; break;
        case 0x80: key = {999, false}; break;
        case 0x81: key = {998, false}; break;
        default: break;
        }
    } else if (keyCode == 255 || keyCode == 193 || keyCode == 235) {
        if (keyCode == 255) {
            if (scanCode == 0x7D)
                key.virtualKey = 981;
            else if (scanCode == 0x79)
                key.virtualKey = 987;
            else if (scanCode == 0x70)
                key.virtualKey = 988;
        } else {
            key.virtualKey = keyCode == 193 ? 984 : 986;
        }
        if (hookFlag == 0x00)
            key.press = true;
        else if (hookFlag == 0x80)
            key.press = false;
    }
    if (hookFlag == 0x00 || hookFlag == 0x80 || hookFlag == 0x20 || hookFlag == 0xA0)
        key.virtualKey = keypadKeyWithoutNumLock(key.virtualKey);
    return key;
}

QString mouseButtonName(int message)
{
    switch (message) {
    case 513:
    case 514: return QStringLiteral("Left Click");
    case 516:
    case 517: return QStringLiteral("Right Click");
    case 519:
    case 520: return QStringLiteral("Center Click");
    default: return QString();
    }
}

bool isMouseButtonPress(int message)
{
    return message == 513 || message == 516 || message == 519;
}

bool isMouseButtonRelease(int message)
{
    return message == 514 || message == 517 || message == 520;
}

TickSource systemTicks()
{
    return [] {
        static QElapsedTimer clock;
        if (!clock.isValid())
            clock.start();
        return quint32(quint64(clock.elapsed()));
    };
}

} // namespace MacroKeyRules
