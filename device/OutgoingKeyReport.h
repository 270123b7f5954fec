#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>

#include <mutex>

// The 8-byte key report the PC answers a forwarded key report with: modifier byte, reserved
// byte, up to six key codes filled from byte 2 on.
class OutgoingKeyReport
{
public:
    static constexpr int Size = 8;

    // Sets or clears a modifier bit (usages 224..231), or adds or removes a key code.
    void update(int usage, bool pressed);
    // Applies a profile's four lock texts ("1" = on): altTab, altF4, shiftTab, winKey.
    void applyKeyLocks(const ProFileFunctionInfo &locks);

    QByteArray bytes() const;
    int fillCount() const;

private:
    unsigned char m_bytes[Size] = {};
    // The index of the next free key byte.
    int m_fillCount = 2;
    mutable std::mutex m_lock;
};
