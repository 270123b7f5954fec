#pragma once

#include <QString>

// The copy of a macro that a profile keeps with the keys bound to it, so a download sends what the
// profile holds even if the macro file changes. Made when the first key of the profile is bound to
// the macro, renewed when the user edits the macro, removed with the last key bound to it.
class BoundMacroCopy
{
public:
    // Replaces the copy "Macro<index>" in the profile with the macro's current events from the macro
    // file. Nothing changes when the macro cannot be read.
    static bool make(const QString &profileXmlPath, int profileIndex, const QString &macroIndex,
                     const QString &macroXmlPath);
    // As make, but only when some key of the profile uses the macro.
    static bool renew(const QString &profileXmlPath, int profileIndex, const QString &macroIndex,
                      const QString &macroXmlPath);
    // Removes the copy "Macro<index>" from the profile.
    static bool remove(const QString &profileXmlPath, int profileIndex, int macroIndex);
};
