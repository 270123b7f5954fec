#include "app/LogCleaner.h"

#include "app/StartupPaths.h"

#include <QDir>
#include <QFileInfo>

void LogCleaner::cleanFolder(const QString &logDir, const QDateTime &now)
{
    QDir dir(logDir);
    if (!dir.exists()) {
        // All levels: on the first start <AppData> does not exist yet and the log would be lost.
        dir.mkpath(".");
        return;
    }

    const QDateTime limit = now.addDays(-7);
    // Modification time: the creation (birth) time is not reliable on Linux file systems.
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (limit.secsTo(entry.lastModified()) < 0)
            dir.remove(entry.fileName());
    }
}

void cleanOldLogFiles(const QString &baseName)
{
    LogCleaner::cleanFolder(StartupPaths::logDir(baseName), QDateTime::currentDateTime());
}
