#include "ui/mainwidget/FirstStartDefaults.h"

#include <QSettings>

void writeFirstStartDefaults(QSettings &settings, const std::function<void()> &writeAutostart)
{
    if (!settings.contains("AutoStart/isAutoStart")) {
        settings.setValue("AutoStart/isAutoStart", true);
        writeAutostart();
    }
    if (!settings.contains("MinimizeToTray/isMinimizeToTray"))
        settings.setValue("MinimizeToTray/isMinimizeToTray", true);
    if (!settings.contains("CloseToTray/isCloseToTray"))
        settings.setValue("CloseToTray/isCloseToTray", true);
    settings.sync();
}
