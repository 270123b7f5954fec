#pragma once

#include <QString>
#include <QStringList>

// The first installed family of the CJK-capable sans families we know, or an empty text.
QString cjkSubstituteFamily(const QStringList &installedFamilies);

// Maps a family that Linux does not ship (the program's "Microsoft YaHei") to an installed
// CJK-capable sans, so Chinese texts render and metrics stay close. Needs the GUI application.
void registerFontSubstitution(const QString &family);
