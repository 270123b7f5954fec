#pragma once

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

// Marks the program's version as already seen in the test's private settings. A first start counts
// as an update, after which the main window checks the keyboards' firmware by itself and, for the
// simulated keyboards' older firmware, covers itself with the upgrade window 3 s after it starts.
// Call after initVorlanResources() and before the data manager is first used.
inline void markAppVersionSeen()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/UserConfig";
    QDir().mkpath(folder);
    const QSettings defaults(":/images/configDir/VorlanDefaultConfig.ini", QSettings::IniFormat);
    QSettings user(folder + "/VorlanConfig.ini", QSettings::IniFormat);
    user.setValue("oldVersion/VersionInfo", defaults.value("AppVersion/Version"));
}
