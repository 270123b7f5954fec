#pragma once

#include <QString>

// What the data manager takes from the user settings and the default configuration at start,
// including the defaults it writes back into the user settings.
struct StartupSettings
{
    int themeIndex = 0;
    bool bgImageUsing = false;
    bool userConfig = false;
    QString appVersion;
    bool appVersionChanged = false;
    bool lightSynchronize = false;

    static StartupSettings load(const QString &userSettingsPath, const QString &defaultConfigPath);
};
