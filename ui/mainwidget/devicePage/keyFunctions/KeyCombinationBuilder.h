#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Builds a key combination from picked keys: one or two modifiers first, then one ordinary key,
// which completes it. The stored value is "mask,key": the modifier mask (bit 0 left Ctrl .. bit 7
// right Win) and the ordinary key's HID usage, both decimal.
class KeyCombinationBuilder
{
public:
    enum class Pick {
        Refused,          // an ordinary key before any modifier: nothing changes
        Completed,        // the ordinary key ended the combination: store value()
        Dropped,          // an ordinary key the name table lacks ended it: nothing to store
        TooManyModifiers, // a third modifier: refused
        ModifierAdded,
    };

    Pick pick(int keyDec, const QMap<int, QString> &keyNames);
    // The names picked so far joined with "+", as the field shows them.
    QString shownText() const { return m_shownText; }
    int mask() const { return m_mask; }
    int key() const { return m_key; }
    QString value() const;
    // After a store the mask and key start again from 0.
    void clearStored();
    // A read of the stored entry: the names, mask and key start empty; the collecting state stays.
    void clearForRead();

    // The modifier's mask value (1 << bit); 0 for an ordinary key.
    static int modifierValue(int keyDec);
    static QString modifierName(int keyDec);
    // The stored value as the field shows it: modifiers in bit order, then the key's name.
    static QString describe(const QString &value, const QMap<int, QString> &keyNames);

private:
    void appendKeyName(const QString &name);

    bool m_collecting = false;
    QStringList m_names;
    int m_nameCount = 0;
    int m_mask = 0;
    int m_key = 0;
    QString m_shownText;
};
