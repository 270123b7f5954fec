#pragma once

#include <QString>

class QSettings;

// Reads a settings value as text. An unquoted ini value with commas reads back as a list,
// which QVariant turns into an empty text; the list is joined again here.
QString readSettingsText(const QSettings &settings, const QString &key, const QString &fallback = QString());
