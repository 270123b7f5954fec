#include "sdk/hid/HidTransport.h"

#include <cerrno>

#include <poll.h>

int HidTransport::pollReadable(int deviceFd, int wakeFd, int timeoutMs)
{
    pollfd watched[2] = {{deviceFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    const nfds_t count = wakeFd >= 0 ? 2 : 1;
    int polled = ::poll(watched, count, timeoutMs);
    if (polled < 0)
        return errno == EINTR ? 0 : -1;
    if (polled == 0)
        return 0;
    if (watched[0].revents & POLLIN)
        return 1;
    // A hung-up or broken device without data left would wake every poll at once.
    if (watched[0].revents & (POLLHUP | POLLERR | POLLNVAL))
        return -1;
    return 0;
}
