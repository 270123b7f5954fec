#pragma once

#include "sdk/hid/HidTransport.h"

#include <atomic>
#include <string>

// A simulated keyboard: a SOCK_SEQPACKET Unix socket, one report per packet.
class SimTransport : public HidTransport
{
public:
    ~SimTransport() override;
    // Null when nothing listens on the socket.
    static SimTransport *open(const std::string &socketPath);

    int write(const unsigned char *report) override;
    int read(unsigned char *report) override;
    int setNonblocking(bool nonblocking) override;
    int readTimeout(unsigned char *report, int timeoutMs) override;
    // Sends a feature request (report id in byte 0) and waits for the answer with that id; input
    // reports arriving meanwhile are dropped. Returns the answer's size, or -1 on timeout or error.
    int getFeatureReport(unsigned char *report, int timeoutMs);

private:
    explicit SimTransport(int fd);

    int m_fd;
    std::atomic<bool> m_nonblocking{false};
};
