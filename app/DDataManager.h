#pragma once

#include "ThemeColorInfo.h"

#include <QFont>
#include <QObject>
#include <QString>

// The process-wide data manager: folders, user settings, theme and fonts, and the state of the
// current device shared between pages. Created by the first instance() call and never deleted;
// GUI thread only.
class DDataManager : public QObject
{
    Q_OBJECT

public:
    static DDataManager *instance();

    // ---- Folders and user settings ----
    QString getAppDataDir() const;
    QString getUserConfigDir() const;
    static QString getApplicationDirPath();
    bool isUserConfig() const;
    bool isBgImageUsing() const;
    void setBgImageUsing(bool isUsing);
    bool isAppVersionChanged() const;
    bool isLightSynchronize() const;
    bool isInitialized() const;

    // ---- Colour theme and fonts ----
    void loadTheme(int themeIndex);
    ThemeColorInfo getThemeInfo() const;
    // Kind 0: bold theme font, 1: normal theme font, anything else: the fallback font.
    // Without local fonts every kind gives the fallback font.
    QFont getFont(int kind) const;
    void setUseLocalFont(bool useLocalFont);
    static QString themeFilePath(int themeIndex, bool userConfig, const QString &applicationDirPath);

private:
    DDataManager();

    // ---- Folders and user settings ----
    QString m_appDataDir;
    QString m_userConfigDir;

    // ---- Colour theme and fonts ----
    bool m_useLocalFont = true;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_fallbackFont;
    ThemeColorInfo m_themeInfo;

    // ---- Start-up flags ----
    bool m_userConfig = false;
    bool m_bgImageUsing = false;
    bool m_appVersionChanged = false;
    bool m_lightSynchronize = false;
    bool m_initialized = false;
};
