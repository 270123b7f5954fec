#pragma once

#include <QString>

// The copy of a macro that a profile keeps with the keys bound to it, so a download sends what the
// profile holds even if the macro file changes. Renewed when the user edits the macro.
class BoundMacroCopy
{
public:
    // Replaces the copy "Macro<index>" in the profile with the macro's current events from the macro
    // file. Nothing changes when no key of the profile uses the macro or the macro cannot be read.
    static bool renew(const QString &profileXmlPath, int profileIndex, const QString &macroIndex,
                      const QString &macroXmlPath);
};
