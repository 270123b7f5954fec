#include "sdk/hid/SimTransport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <poll.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

SimTransport::SimTransport(int fd)
    : m_fd(fd)
{
}

SimTransport::~SimTransport()
{
    ::close(m_fd);
}

SimTransport *SimTransport::open(const std::string &socketPath)
{
    sockaddr_un address{};
    if (socketPath.size() >= sizeof(address.sun_path))
        return nullptr;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);

    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return nullptr;
    }
    return new SimTransport(fd);
}

int SimTransport::write(const unsigned char *report)
{
    const ssize_t sent = ::send(m_fd, report, reportSize, MSG_NOSIGNAL);
    return sent < 0 ? -1 : static_cast<int>(sent);
}

int SimTransport::read(unsigned char *report)
{
    std::memset(report, 0, reportSize);
    const ssize_t received = ::recv(m_fd, report, reportSize, m_nonblocking ? MSG_DONTWAIT : 0);
    if (received < 0)
        return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? 0 : -1;
    // A zero-length packet never comes from the simulator: zero means it hung up.
    return received == 0 ? -1 : static_cast<int>(received);
}

int SimTransport::setNonblocking(bool nonblocking)
{
    m_nonblocking = nonblocking;
    return 0;
}

int SimTransport::readTimeout(unsigned char *report, int timeoutMs)
{
    std::memset(report, 0, reportSize);
    pollfd ready{m_fd, POLLIN, 0};
    const int polled = ::poll(&ready, 1, std::max(0, timeoutMs));
    if (polled < 0)
        return errno == EINTR ? 0 : -1;
    if (polled == 0)
        return 0;
    const ssize_t received = ::recv(m_fd, report, reportSize, MSG_DONTWAIT);
    if (received < 0)
        return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? 0 : -1;
    return received == 0 ? -1 : static_cast<int>(received);
}

int SimTransport::getFeatureReport(unsigned char *report, int timeoutMs)
{
    const unsigned char reportId = report[0];
    if (::send(m_fd, report, reportSize, MSG_NOSIGNAL) != static_cast<ssize_t>(reportSize))
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd ready{m_fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(std::max<long long>(0, left)));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return -1;
        unsigned char packet[reportSize] = {};
        const ssize_t received = ::recv(m_fd, packet, reportSize, MSG_DONTWAIT);
        if (received <= 0)
            return -1;
        if (packet[0] == reportId) {
            std::memcpy(report, packet, reportSize);
            return static_cast<int>(received);
        }
    }
}
