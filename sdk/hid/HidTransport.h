#pragma once

#include <cstddef>

// One opened HID interface. Reports are exactly HidTransport::reportSize bytes.
class HidTransport
{
public:
    static constexpr size_t reportSize = 64;

    virtual ~HidTransport() = default;
    // Returns the bytes written, or -1.
    virtual int write(const unsigned char *report) = 0;
    // Returns the bytes read (the rest of the buffer is zeroed), 0 when nothing was waiting in
    // non-blocking mode, or -1 when the device is gone.
    virtual int read(unsigned char *report) = 0;
    virtual int setNonblocking(bool nonblocking) = 0;
    // Waits at most timeoutMs for one report: the bytes read, 0 when none came, -1 when gone.
    virtual int readTimeout(unsigned char *report, int timeoutMs) = 0;
};
