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

    // Per-user path for the instance lock or the local-server name, in the user's private runtime
    // folder, so that other users and parallel test runs do not share one instance; the bare name
    // only when no private folder can be had.
    static QString perUserName(const QString &name);
};
