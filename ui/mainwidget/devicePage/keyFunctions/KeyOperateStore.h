#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QString>

// Reads and replaces one key's stored operation in a profile file through the XML store. Numbers go
// to the store as decimal Latin-1 text, key names as UTF-8 unless a caller says otherwise.
class KeyOperateStore
{
public:
    // The key's entry; keyIndex (and operateType) read "-1" when the key has none.
    static KeyOperateInfo read(const char *path, int profileIndex, int keyDec);
    static bool hasEntry(const KeyOperateInfo &info);
    // The entry's type as a number; -1 without an entry.
    static int storedType(const KeyOperateInfo &info);

    // Delete, then add: a key keeps at most one entry per profile. False, logged, when the file did
    // not take the entry.
    static bool store(const char *path, int profileIndex, int keyDec, const QString &keyName, int operateType,
                      const QByteArray &count, const QByteArray &mode, const QByteArray &value);
    static void remove(const char *path, int profileIndex, int keyDec, const QByteArray &keyName);
};
