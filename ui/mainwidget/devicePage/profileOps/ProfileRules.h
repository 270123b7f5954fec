#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QString>

// Rules of the profile operations, free of files and widgets.
namespace ProfileRules {

constexpr int maxProfiles = 10;

bool isAtProfileLimit(const ProfileNodeList &profiles);
// The last profile's index in file order plus 1; 2 for a file without profiles.
int newProfileIndex(const ProfileNodeList &profiles);
// The index an import takes from its file: its last profile's, "1" when it has none.
QString importProfileIndex(const ProfileNodeList &profiles);
// A file name for a profile name the user typed: no separators, NUL or leading dots, so the file
// always lands inside the chosen folder; ".xml" appended.
QString exportFileName(const QString &profileName);

} // namespace ProfileRules
