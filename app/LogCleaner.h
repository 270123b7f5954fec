#pragma once

#include <QDateTime>
#include <QString>

// Removes log files older than seven days; runs once at start, before any other thread.
class LogCleaner
{
public:
    // Creates the folder (with its parents) when missing. Files last modified before
    // now - 7 days go; sub-folders stay. Failures are silent.
    static void cleanFolder(const QString &logDir, const QDateTime &now);
};

// The log folder of the executable with this base name.
void cleanOldLogFiles(const QString &baseName);
