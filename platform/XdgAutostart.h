#pragma once

#include <QString>

// The start-with-the-session entry: $XDG_CONFIG_HOME/autostart/<appName>.desktop, which starts
// the program with "--AutoUp". Every caller that switches start-up on or off goes through here.
namespace XdgAutostart {

QString entryPath(const QString &appName);
// The whole entry text, Exec="<executablePath>" --AutoUp.
QString entryText(const QString &appName, const QString &executablePath);
// Writes the entry atomically, creating the folder; false (and a log line) on failure.
bool writeEntry(const QString &appName, const QString &executablePath);
// Removes the entry; an absent entry is no error. False (and a log line) when it stays.
bool removeEntry(const QString &appName);

} // namespace XdgAutostart
