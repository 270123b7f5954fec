#include "device/OutgoingKeyReport.h"


#include <cstring>

namespace {

constexpr int kFirstModifier = 224;
constexpr int kLastModifier = 231;
constexpr int kFirstKeyByte = 2;
constexpr unsigned char kWindowsBits = 0x08 | 0x80;
constexpr unsigned char kTab = 0x2B;
constexpr unsigned char kF4 = 0x3D;

bool isOn(const char *lockText, std::size_t size)
{
    return strnlen(lockText, size) == 1 && lockText[0] == '1';
}

} // namespace

void OutgoingKeyReport::update(int usage, bool pressed)
{
    const std::lock_guard<std::mutex> locker(m_lock);
    if (usage >= kFirstModifier && usage <= kLastModifier) {
        const unsigned char bit = static_cast<unsigned char>(1u << (usage - kFirstModifier));
        if (pressed)
            m_bytes[0] |= bit;
        else
            m_bytes[0] &= static_cast<unsigned char>(~bit);
        return;
    }

    if (pressed) {
        if (m_fillCount < Size && usage != 0)
            m_bytes[m_fillCount++] = static_cast<unsigned char>(usage);
        return;
    }

    // Only a key that is in the report frees a place; releasing an absent key changes nothing.
    for (int index = kFirstKeyByte; index < m_fillCount;) {
        if (m_bytes[index] != usage) {
            ++index;
            continue;
        }
        for (int next = index; next < Size - 1; ++next)
            m_bytes[next] = m_bytes[next + 1];
        m_bytes[Size - 1] = 0;
        --m_fillCount;
    }
}

void OutgoingKeyReport::applyKeyLocks(const ProFileFunctionInfo &locks)
{
    const bool altTabLocked = isOn(locks.altTab, sizeof(locks.altTab));
    const bool altF4Locked = isOn(locks.altF4, sizeof(locks.altF4));
    const bool shiftTabLocked = isOn(locks.shiftTab, sizeof(locks.shiftTab));
    const bool winLocked = isOn(locks.winKey, sizeof(locks.winKey));

    unsigned char modifiers;
    {
        const std::lock_guard<std::mutex> locker(m_lock);
        // A held Windows key decides alone: no other lock applies then.
        if (m_bytes[0] & kWindowsBits) {
            if (winLocked)
                m_bytes[0] &= static_cast<unsigned char>(~kWindowsBits);
            return;
        }
        modifiers = m_bytes[0];
    }

    for (int bit = 0; bit < 8; ++bit) {
        if (!(modifiers & (1 << bit)))
            continue;
        const int usage = kFirstModifier + bit;
        const bool alt = usage == 226 || usage == 230;
        const bool shift = usage == 225 || usage == 229;
        if (!alt && !shift)
            continue;
        // Walk a snapshot: a removal moves the later keys down.
        const QByteArray keys = bytes().mid(kFirstKeyByte);
        for (const char key : keys) {
            const unsigned char code = static_cast<unsigned char>(key);
            if (alt && code == kTab && altTabLocked)
                update(code, false);
            else if (alt && code == kF4 && altF4Locked)
                update(code, false);
            else if (shift && code == kTab && shiftTabLocked)
                update(code, false);
        }
    }
}

QByteArray OutgoingKeyReport::bytes() const
{
    const std::lock_guard<std::mutex> locker(m_lock);
    return QByteArray(reinterpret_cast<const char *>(m_bytes), Size);
}

int OutgoingKeyReport::fillCount() const
{
    const std::lock_guard<std::mutex> locker(m_lock);
    return m_fillCount;
}
