#include "sdk/hid/HidApiTransport.h"

#include <cstring>

#include <hidapi/hidapi.h>

HidApiTransport::HidApiTransport(hid_device_ *device)
    : m_device(device)
{
}

HidApiTransport::~HidApiTransport()
{
    hid_close(m_device);
}

HidApiTransport *HidApiTransport::open(const std::string &hidrawPath)
{
    hid_device *device = hid_open_path(hidrawPath.c_str());
    return device ? new HidApiTransport(device) : nullptr;
}

int HidApiTransport::write(const unsigned char *report)
{
    // Byte 0 is the report number, as hidapi expects it.
    return hid_write(m_device, report, reportSize);
}

int HidApiTransport::read(unsigned char *report)
{
    std::memset(report, 0, reportSize);
    return hid_read(m_device, report, reportSize);
}

int HidApiTransport::setNonblocking(bool nonblocking)
{
    return hid_set_nonblocking(m_device, nonblocking ? 1 : 0);
}

int HidApiTransport::readTimeout(unsigned char *report, int timeoutMs)
{
    std::memset(report, 0, reportSize);
    return hid_read_timeout(m_device, report, reportSize, timeoutMs);
}
