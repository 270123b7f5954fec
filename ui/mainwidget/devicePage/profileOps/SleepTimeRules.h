#pragma once

#include <QString>

// Checks of a sleep-time request, in the order they are made.
namespace SleepTimeRules {

constexpr int minKeyboardSleepSeconds = 300;

enum class Check { Accepted, LightLongerThanKeyboard, KeyboardTooShort };

Check check(int lightSleep, int keyboardSleep);
// The refusal's toast text; empty for an accepted request.
QString refusalText(Check check);
// The profile keeps the keyboard's sleep in whole minutes.
int storedKeyboardMinutes(int keyboardSleepSeconds);

} // namespace SleepTimeRules
