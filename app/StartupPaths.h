#pragma once

#include <QString>

// Folders and IPC names the start-up needs before the application object (and so before
// the data manager) exists.
class StartupPaths
{
public:
    // <roaming data>/<base name>; the same folder the data manager later gets from
    // QStandardPaths::AppDataLocation.
    static QString appDataDir(const QString &baseName);
    static QString logDir(const QString &baseName);
    static QString dumpDir(const QString &baseName);

    // Per-user path for a shared-memory key or local-server name, so that other users and
    // parallel test runs do not share one instance; the bare name when no runtime folder is set.
    static QString perUserName(const QString &name);
};
