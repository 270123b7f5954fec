#include "sdk/hid/HidApiTransport.h"

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <hidapi/hidapi.h>

namespace {

// Without a watch descriptor a wait sleeps at most this long before the caller tries a read.
constexpr int kUnwatchedWaitMs = 8;

// Discards one report (or all, when all is set) from the watch descriptor's queue.
void discardWatched(int watchFd, bool all)
{
    unsigned char discarded[HidTransport::reportSize];
    while (::read(watchFd, discarded, sizeof(discarded)) > 0 && all) {
    }
}

} // namespace

HidApiTransport::HidApiTransport(hid_device_ *device, int watchFd)
    : m_device(device)
    , m_watchFd(watchFd)
{
}

HidApiTransport::~HidApiTransport()
{
    if (m_watchFd >= 0)
        ::close(m_watchFd);
    hid_close(m_device);
}

HidApiTransport *HidApiTransport::open(const std::string &hidrawPath)
{
    hid_device *device = hid_open_path(hidrawPath.c_str());
    if (!device)
        return nullptr;
    return new HidApiTransport(device, ::open(hidrawPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

int HidApiTransport::write(const unsigned char *report)
{
    // Byte 0 is the report number, as hidapi expects it.
    return hid_write(m_device, report, reportSize);
}

int HidApiTransport::read(unsigned char *report)
{
    std::memset(report, 0, reportSize);
    const int length = hid_read(m_device, report, reportSize);
    if (m_watchFd >= 0 && length >= 0) {
        // Keeps the watched queue in step; when hidapi found nothing, the watched copies are stale.
        discardWatched(m_watchFd, length == 0);
    }
    return length;
}

int HidApiTransport::setNonblocking(bool nonblocking)
{
    return hid_set_nonblocking(m_device, nonblocking ? 1 : 0);
}

int HidApiTransport::waitReadable(int timeoutMs, int wakeFd)
{
    if (m_watchFd >= 0)
        return pollReadable(m_watchFd, wakeFd, timeoutMs);
    pollfd wake{wakeFd, POLLIN, 0};
    const int polled = ::poll(&wake, wakeFd >= 0 ? 1 : 0, std::min(timeoutMs, kUnwatchedWaitMs));
    // Not woken: a report may be waiting, the caller reads to find out.
    return polled > 0 ? 0 : 1;
}

int HidApiTransport::readTimeout(unsigned char *report, int timeoutMs)
{
    std::memset(report, 0, reportSize);
    return hid_read_timeout(m_device, report, reportSize, timeoutMs);
}
