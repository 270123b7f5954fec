#include "ui/mainwidget/devicePage/profileOps/SleepTimeRules.h"

#include <QObject>

namespace SleepTimeRules {

Check check(int lightSleep, int keyboardSleep)
{
    if (lightSleep > keyboardSleep)
        return Check::LightLongerThanKeyboard;
    if (keyboardSleep < minKeyboardSleepSeconds)
        return Check::KeyboardTooShort;
    return Check::Accepted;
}

QString refusalText(Check check)
{
    switch (check) {
    case Check::LightLongerThanKeyboard:
        return QObject::tr("The time when the light enters sleep cannot be longer than the keyboard enters sleep");
    case Check::KeyboardTooShort: return QObject::tr("Keyboard enters sleep time is too short");
    case Check::Accepted: break;
    }
    return QString();
}

int storedKeyboardMinutes(int keyboardSleepSeconds)
{
    return keyboardSleepSeconds / 60;
}

} // namespace SleepTimeRules
