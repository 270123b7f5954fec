#pragma once

#include <functional>

class QSettings;

// Writes the first-start defaults of the user settings, each only when its key is missing; the
// start-up entry is written (through writeAutostart) only together with a missing
// "AutoStart/isAutoStart", so a user's later choice is never overridden.
void writeFirstStartDefaults(QSettings &settings, const std::function<void()> &writeAutostart);
