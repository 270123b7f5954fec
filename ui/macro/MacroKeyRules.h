#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// How the macro editor reads what the global hook reports: key codes made distinct, mouse
// buttons named, delays measured on a millisecond tick.
namespace MacroKeyRules {

struct HookKey
{
    int virtualKey;
    bool press;
};

// The virtual key and direction of one hook report. Both Enter keys and the keys the hook
// reports as 255, 193 and 235 get codes of their own; keypad keys read with Num Lock off (not
// extended, not injected) take their keypad codes.
HookKey normaliseKey(int keyCode, int scanCode, bool press, int hookFlag);

// "Left Click", "Right Click" or "Center Click" for the six button messages, otherwise empty.
QString mouseButtonName(int message);
bool isMouseButtonPress(int message);
bool isMouseButtonRelease(int message);

// Milliseconds from one tick to a later one; a wrap of the 32-bit tick does no harm.
inline quint32 ticksBetween(quint32 earlier, quint32 later)
{
    return later - earlier;
}

// A delay as an event stores it: at most 65535 ms.
inline int storedDelay(qint64 milliseconds)
{
    return int(qBound<qint64>(0, milliseconds, 65535));
}

using TickSource = std::function<quint32()>;

// Milliseconds since the program's first call, on a monotonic clock, as 32 bits.
TickSource systemTicks();

} // namespace MacroKeyRules
