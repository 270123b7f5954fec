#pragma once

#include <QByteArray>
#include <QVector>

// One change between two forwarded 8-byte key reports.
struct ForwardedKeyChange
{
    int usage;
    bool pressed;

    bool operator==(const ForwardedKeyChange &other) const { return usage == other.usage && pressed == other.pressed; }
};

// Compares forwarded key reports (modifier byte, reserved byte, six key codes).
class ForwardedKeyReport
{
public:
    // In this order: modifiers pressed, keys pressed, modifiers released, keys released.
    static QVector<ForwardedKeyChange> changes(const QByteArray &last, const QByteArray &now);
    // 224 + i when exactly bit i is set, otherwise -1.
    static int modifierBitToUsage(int modifierByte);
};
