#pragma once

#include <QString>

// Rules of the performance tab that do not depend on its widgets.
namespace PerformanceRules {

// The sleep edits' ranges: light sleep in seconds, keyboard sleep in minutes.
constexpr int lightSleepMinimum = 0;
constexpr int lightSleepMaximum = 60000;
constexpr int keyboardSleepMinimum = 5;
constexpr int keyboardSleepMaximum = 1000;

// A stored key-lock field is on when the decimal number at its start is not 0 ("2" is on, "x" off).
bool lockFieldIsOn(const char *field);

// A sleep edit's text as a number: empty or no number is 0; above the top it becomes the top, since
// the keyboard carries each time in 16 bits. Values below the range stay for the device page's check.
int sleepValue(const QString &text, int top);

// What the tab shows of the sleep settings for the current keyboard.
struct SleepControls
{
    bool sleepColumnVisible;    // both times, the prohibit-sleep row and Submit
    bool prohibitRowVisible;    // the prohibit-sleep switch
    bool prohibitChecked;       // the switch, also while its row is hidden
    bool keyboardSleepReadOnly; // only while the shown switch is on
};
SleepControls sleepControls(const QString &modelName, int prohibitSleep, bool magnetic, int hidDeviceType);

} // namespace PerformanceRules
