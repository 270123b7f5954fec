#include "ui/mainwidget/devicePage/keyFunctions/KeyCombinationBuilder.h"

namespace {

const char *const modifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
constexpr int firstModifier = 224;
constexpr int lastModifier = 231;

} // namespace

int KeyCombinationBuilder::modifierValue(int keyDec)
{
    if (keyDec < firstModifier || keyDec > lastModifier)
        return 0;
    return 1 << (keyDec - firstModifier);
}

QString KeyCombinationBuilder::modifierName(int keyDec)
{
    if (keyDec < firstModifier || keyDec > lastModifier)
        return QString();
    return QString::fromLatin1(modifierNames[keyDec - firstModifier]);
}

KeyCombinationBuilder::Pick KeyCombinationBuilder::pick(int keyDec, const QMap<int, QString> &keyNames)
{
    if (!m_collecting) {
        m_names.clear();
        m_nameCount = 0;
        m_mask = 0;
        m_key = 0;
    }
    m_collecting = true;

    const int maskValue = modifierValue(keyDec);
    if (maskValue == 0) {
        // A combination must begin with a modifier.
        if (m_nameCount == 0)
            return Pick::Refused;
        m_collecting = false;
        if (!keyNames.contains(keyDec))
            return Pick::Dropped;
        m_key = keyDec;
        appendKeyName(keyNames.value(keyDec));
        m_nameCount = 0;
        m_names.clear();
        return Pick::Completed;
    }
    if (m_nameCount == 2)
        return Pick::TooManyModifiers;
    m_mask |= maskValue;
    appendKeyName(modifierName(keyDec));
    return Pick::ModifierAdded;
}

void KeyCombinationBuilder::appendKeyName(const QString &name)
{
    if (m_names.contains(name))
        return;
    m_names.append(name);
    m_nameCount = m_names.size();
    m_shownText = m_names.join('+');
}

QString KeyCombinationBuilder::value() const
{
    return QString("%1,%2").arg(m_mask).arg(m_key);
}

void KeyCombinationBuilder::clearStored()
{
    m_mask = 0;
    m_key = 0;
}

void KeyCombinationBuilder::clearForRead()
{
    m_names.clear();
    m_nameCount = 0;
    m_mask = 0;
    m_key = 0;
    m_shownText.clear();
}

QString KeyCombinationBuilder::describe(const QString &value, const QMap<int, QString> &keyNames)
{
    // A value the page did not write (no comma, no numbers) shows what can be read of it.
    const QStringList parts = value.split(',');
    const int mask = parts.value(0).toInt();
    const int key = parts.size() > 1 ? parts.at(1).toInt() : 0;
    QStringList names;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            names.append(QString::fromLatin1(modifierNames[bit]));
    }
    if (keyNames.contains(key))
        names.append(keyNames.value(key));
    return names.join('+');
}
