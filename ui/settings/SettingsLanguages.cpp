#include "ui/settings/SettingsLanguages.h"

#include <array>

namespace SettingsLanguages {

namespace {

struct Language
{
    const char *name; // UTF-8
    int row;
};

// By language index, from 1. The Arabic name starts with a no-break space and ends with a blank
// and the Arabic comma; the Ukrainian row carries the country's name.
const std::array<Language, lastIndex> kLanguages = {{
    {"简体中文", 0},
    {"繁體中文", 2},
    {"English", 1},
    {"日本語", 5},
    {"한국어", 3},
    {"Русский", 4},
    {"\u00a0عربي \u060c", 12},
    {"Español", 6},
    {"Português", 7},
    {"Deutsch", 8},
    {"Italiano", 9},
    {"Polski", 10},
    {"Français", 11},
    {"Україна", 13},
    {"Čeština", 14},
}};

} // namespace

QStringList rowNames()
{
    QStringList names;
    for (int i = 0; i < lastIndex; ++i)
        names << QString();
    for (const Language &language : kLanguages)
        names[language.row] = QString::fromUtf8(language.name);
    return names;
}

QString nameOfIndex(int index)
{
    const int valid = index >= firstIndex && index <= lastIndex ? index : firstIndex;
    return QString::fromUtf8(kLanguages[valid - 1].name);
}

int indexOfSelection(const QString &selected)
{
    for (int index = firstIndex; index <= lastIndex; ++index) {
        if (selected.contains(QString::fromUtf8(kLanguages[index - 1].name), Qt::CaseSensitive))
            return index;
    }
    return firstIndex;
}

} // namespace SettingsLanguages
