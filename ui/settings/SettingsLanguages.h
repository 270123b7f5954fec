#pragma once

#include <QString>
#include <QStringList>

// The language list of the settings dialog. Its rows are not in the order of the language index
// (1 Simplified Chinese ... 15 Czech), so both directions go through the one table here.
namespace SettingsLanguages {

constexpr int firstIndex = 1;
constexpr int lastIndex = 15;

// The fifteen native names in list-row order.
QStringList rowNames();
// The name of a language index; "简体中文" for an index outside 1..15.
QString nameOfIndex(int index);
// The first index whose name the selected text contains (case-sensitive); 1 when none does.
int indexOfSelection(const QString &selected);

} // namespace SettingsLanguages
