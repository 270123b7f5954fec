#include "ui/settings/AboutInfo.h"

#include "app/SettingsText.h"

#include <QSettings>

namespace {

const char *const kDefaultConfigPath = ":/images/configDir/VorlanDefaultConfig.ini";
const char *const kFallbackLink = "https://osterlin.example/";

QString &sourcePath()
{
    static QString path;
    return path;
}

} // namespace

AboutInfo AboutInfo::read()
{
    QSettings defaults(sourcePath().isEmpty() ? QString(kDefaultConfigPath) : sourcePath(), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    AboutInfo info;
    info.version = readSettingsText(defaults, "AppVersion/Version", "V_1.00.00");
    info.companyName = readSettingsText(defaults, "CompanyName/ComName", "CompanyName");
    // The legal line keeps its commas as "*", since an ini value cuts at a bare comma.
    info.copyright = readSettingsText(defaults, "Copyright/CopyrightStr", "Copyright").replace('*', ',');
    info.companyLink = readSettingsText(defaults, "CompanyLink/ComLink", kFallbackLink);
    info.showLink =
        defaults.contains("CompanyLinkFrame/showStatus") && defaults.value("CompanyLinkFrame/showStatus").toBool();
    return info;
}

void AboutInfo::setSourcePath(const QString &path)
{
    sourcePath() = path;
}
