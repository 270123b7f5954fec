#pragma once

#include <QByteArray>

// Reading the value text of a key's stored entry: numbers as the key pages read them, and the
// whole value of entries longer than the record's value field (a typed text of 5000 characters
// takes up to 15000 bytes).
class KeyOperateValue
{
public:
    // Leading blanks, one optional sign, then the leading digits; 0 when there are none.
    static int leadingNumber(const QByteArray &text);
    // The whole value of the key's entry; a null array when the key has none.
    static QByteArray readWhole(const char *path, int profileIndex, int keyDec);
};
