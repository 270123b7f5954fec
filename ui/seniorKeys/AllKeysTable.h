#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>

struct AllKeysEntry
{
    int keyDec = 0;
    QString keyCharacter;
};

// The all-keys table (":/images/configDir/AllKeysInfo.config"): the keys the advanced-key
// picker offers, in three groups taken from the rows 1 (modifiers), 2 (letters and digits) and
// 3 (all other keys).
namespace AllKeysTable {

constexpr int GroupCount = 3;
using Groups = std::array<QVector<AllKeysEntry>, GroupCount>;

QString resourcePath();

// Reads the groups from the table's text in file order. False when the text is not JSON; a
// missing row leaves its group empty, and an entry without an integer Dec or a text Character is
// left out with a log line.
bool parse(const QByteArray &text, Groups *groups);

} // namespace AllKeysTable
