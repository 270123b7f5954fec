#include "device/HidCmdReport.h"

#include <algorithm>

HidCmdReport::HidCmdReport()
{
    m_bytes.fill(0);
}

HidCmdReport::HidCmdReport(HidCmd command)
    : HidCmdReport()
{
    m_bytes[0] = (command == CMD_SN_INQUIRY || command == CMD_HANDSHAKE) ? 0 : 1;
    m_bytes[1] = command;
}

HidCmdReport HidCmdReport::fromBytes(const QByteArray &bytes)
{
    HidCmdReport report;
    std::copy_n(bytes.constData(), std::min(bytes.size(), size), report.m_bytes.begin());
    return report;
}

void HidCmdReport::setBigEndian16(int offset, uint16_t value)
{
    m_bytes[static_cast<size_t>(offset)] = static_cast<unsigned char>(value >> 8);
    m_bytes[static_cast<size_t>(offset) + 1] = static_cast<unsigned char>(value & 0xff);
}

uint16_t HidCmdReport::bigEndian16(int offset) const
{
    return static_cast<uint16_t>(m_bytes[static_cast<size_t>(offset)] << 8 | m_bytes[static_cast<size_t>(offset) + 1]);
}

QByteArray HidCmdReport::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char *>(m_bytes.data()), size);
}
