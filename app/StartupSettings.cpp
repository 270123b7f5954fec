#include "app/StartupSettings.h"

#include "app/SettingsText.h"

#include <QSettings>

StartupSettings StartupSettings::load(const QString &userSettingsPath, const QString &defaultConfigPath)
{
    StartupSettings result;
    QSettings user(userSettingsPath, QSettings::IniFormat);

    const QString themeKey = QStringLiteral("Theme/selectThemeIndex");
    if (user.contains(themeKey)) {
        result.themeIndex = user.value(themeKey).toInt();
    } else {
        result.themeIndex = 0;
        user.setValue(themeKey, 0);
    }

    const QString bgImageKey = QStringLiteral("ThemeBgImage/BgImageIsUsing");
    if (user.contains(bgImageKey)) {
        result.bgImageUsing = user.value(bgImageKey).toBool();
    } else {
        result.bgImageUsing = false;
        user.setValue(bgImageKey, false);
    }

    QSettings defaults(defaultConfigPath, QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    result.userConfig = defaults.value(QStringLiteral("MyselfConfig/userConfig"), false).toBool();

    // Index 4 is the user theme beside the executable, which only some builds allow.
    if (!result.userConfig && result.themeIndex == 4) {
        result.themeIndex = 0;
        user.setValue(themeKey, 0);
    }

    result.appVersion = readSettingsText(defaults, QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00"));
    const QString oldVersionKey = QStringLiteral("oldVersion/VersionInfo");
    QString oldVersion;
    if (user.contains(oldVersionKey))
        oldVersion = readSettingsText(user, oldVersionKey);
    else
        user.setValue(oldVersionKey, result.appVersion);

    // The first start on a computer counts as a change, like the first start after an update.
    if (result.appVersion == oldVersion) {
        result.appVersionChanged = false;
    } else {
        user.setValue(oldVersionKey, result.appVersion);
        result.appVersionChanged = true;
    }

    result.lightSynchronize = defaults.value(QStringLiteral("LightSynchronize/isSynchronize"), false).toBool();

    user.sync();
    return result;
}
