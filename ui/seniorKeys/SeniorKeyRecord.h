#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <list>

// Kinds of advanced key, the values of SeniorKeyInfoStu::type.
enum SeniorKeyType : int32_t {
    SENIOR_KEY_DKS = 1,
    SENIOR_KEY_MT = 2,
    SENIOR_KEY_TGL = 3,
};

namespace SeniorKeyRecord {

// Largest id of the list plus one; 1 for an empty list. Ids freed by deletions are not reused
// unless they were the largest.
int32_t nextId(const std::list<SeniorKeyInfoStu> &records);

// "DKS", "MT" or "TGL"; empty for any other type.
QString kindName(int32_t type);

// A new record of the kind with the next id: name = kind and id, no keys, no DKS cells,
// travel points 1.5, 3.6, 3.6 and 1.5 mm, hold time 150 ms.
SeniorKeyInfoStu newRecord(const std::list<SeniorKeyInfoStu> &records, int32_t type);

// Key text of a single picked key: its code in decimal.
QByteArray keyTextForCode(int code);
// Key text of a combination: the modifier mask, a comma and the key code.
QByteArray keyTextForCombination(int mask, int code);

// Copies text into a record field, cut to fit and always NUL-terminated.
void writeField(char *field, std::size_t fieldSize, const QByteArray &text);

// A UTF-8 text field that may fill its whole size without a NUL: never read past the field.
QString fieldText(const char *field, std::size_t fieldSize);

template <std::size_t N>
QString fieldText(const char (&field)[N])
{
    return fieldText(field, N);
}

} // namespace SeniorKeyRecord
