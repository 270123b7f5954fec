#include "app/DDataManager.h"

#include "app/FontSubstitution.h"
#include "app/StartupSettings.h"
#include "resources/VorlanResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

namespace {

const char *const kDefaultConfigPath = ":/images/configDir/VorlanDefaultConfig.ini";
const char *const kFallbackFontFamily = "Microsoft YaHei";

QFont themeFont(const QString &family, int weight)
{
    return QFont(family, 10, weight, false);
}

} // namespace

DDataManager *DDataManager::instance()
{
    // Deliberately leaked: parts may still reach it while static objects are torn down.
    static DDataManager *const manager = new DDataManager;
    return manager;
}

DDataManager::DDataManager()
    : QObject(nullptr)
{
    initVorlanResources();

    // Created with all parents: a missing parent would otherwise lose the first run's settings.
    m_appDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(m_appDataDir);
    m_userConfigDir = QStringLiteral("%1/UserConfig").arg(m_appDataDir);
    QDir().mkpath(m_userConfigDir);

    const StartupSettings settings = StartupSettings::load(m_userConfigDir + QStringLiteral("/VorlanConfig.ini"),
                                                           QString::fromLatin1(kDefaultConfigPath));
    m_bgImageUsing = settings.bgImageUsing;
    m_userConfig = settings.userConfig;

    registerFontSubstitution(QString::fromLatin1(kFallbackFontFamily));
    // The forms' style sheets name the same family by its Chinese name.
    registerFontSubstitution(QStringLiteral("微软雅黑"));
    m_useLocalFont = true;
    loadTheme(settings.themeIndex);
    m_fallbackFont = QGuiApplication::font();
    m_fallbackFont.setFamily(QString::fromLatin1(kFallbackFontFamily));

    m_appVersionChanged = settings.appVersionChanged;
    m_lightSynchronize = settings.lightSynchronize;
    m_initialized = true;
}

QString DDataManager::getAppDataDir() const
{
    return m_appDataDir;
}

QString DDataManager::getUserConfigDir() const
{
    return m_userConfigDir;
}

QString DDataManager::getApplicationDirPath()
{
    return QCoreApplication::applicationDirPath();
}

bool DDataManager::isUserConfig() const
{
    return m_userConfig;
}

bool DDataManager::isBgImageUsing() const
{
    return m_bgImageUsing;
}

void DDataManager::setBgImageUsing(bool isUsing)
{
    m_bgImageUsing = isUsing;
}

bool DDataManager::isAppVersionChanged() const
{
    return m_appVersionChanged;
}

bool DDataManager::isLightSynchronize() const
{
    return m_lightSynchronize;
}

bool DDataManager::isInitialized() const
{
    return m_initialized;
}

QString DDataManager::themeFilePath(int themeIndex, bool userConfig, const QString &applicationDirPath)
{
    switch (themeIndex) {
    case 1: return QStringLiteral(":/images/StyleQss/LightThemeConfig.ini");
    case 2: return QStringLiteral(":/images/StyleQss/BlueThemeConfig.ini");
    case 3: return QStringLiteral(":/images/StyleQss/PinkThemeConfig.ini");
    case 4:
        return userConfig ? applicationDirPath + QStringLiteral("/configDir/OtherThemeConfig.ini")
                          : QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini");
    default: return QStringLiteral(":/images/StyleQss/BlackThemeConfig.ini");
    }
}

void DDataManager::loadTheme(int themeIndex)
{
    m_themeInfo = readThemeColorInfo(themeFilePath(themeIndex, m_userConfig, getApplicationDirPath()), m_bgImageUsing);
    m_boldFont = themeFont(m_themeInfo.TextFont, QFont::Bold);
    m_normalFont = themeFont(m_themeInfo.TextFont, QFont::Normal);
}

ThemeColorInfo DDataManager::getThemeInfo() const
{
    return m_themeInfo;
}

QFont DDataManager::getFont(int kind) const
{
    if (!m_useLocalFont)
        return m_fallbackFont;
    switch (kind) {
    case 0: return m_boldFont;
    case 1: return m_normalFont;
    default: return m_fallbackFont;
    }
}

void DDataManager::setUseLocalFont(bool useLocalFont)
{
    m_useLocalFont = useLocalFont;
}
