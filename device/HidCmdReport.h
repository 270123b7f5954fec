#pragma once

#include "sdk/protocol/HidCmd.h"

#include <QByteArray>

#include <array>
#include <cstdint>

// One 64-byte report, the same frame in both directions: byte 0 report number, byte 1 command,
// byte 2 sub-command, bytes 3..4 index, byte 5 length or marker, bytes 6..63 payload.
// No checksum; numbers wider than a byte are big-endian.
class HidCmdReport
{
public:
    static constexpr int size = 64;

    // All zero.
    HidCmdReport();
    // Byte 0 is 1, except for the serial-number inquiry and the handshake, which carry 0.
    explicit HidCmdReport(HidCmd command);
    // An incoming report: up to 64 bytes, the rest zero.
    static HidCmdReport fromBytes(const QByteArray &bytes);

    unsigned char &operator[](int index) { return m_bytes[static_cast<size_t>(index)]; }
    unsigned char operator[](int index) const { return m_bytes[static_cast<size_t>(index)]; }
    int command() const { return m_bytes[1]; }
    const unsigned char *data() const { return m_bytes.data(); }

    void setBigEndian16(int offset, uint16_t value);
    uint16_t bigEndian16(int offset) const;
    QByteArray toByteArray() const;

private:
    std::array<unsigned char, size> m_bytes;
};
