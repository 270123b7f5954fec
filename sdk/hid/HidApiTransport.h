#pragma once

#include "sdk/hid/HidTransport.h"

#include <string>

struct hid_device_;

// A real keyboard's vendor interface through hidapi (hidraw back end).
class HidApiTransport : public HidTransport
{
public:
    ~HidApiTransport() override;
    // Null when the node cannot be opened (missing, or no permission).
    static HidApiTransport *open(const std::string &hidrawPath);

    int write(const unsigned char *report) override;
    int read(unsigned char *report) override;
    int setNonblocking(bool nonblocking) override;
    int waitReadable(int timeoutMs, int wakeFd) override;
    int readTimeout(unsigned char *report, int timeoutMs) override;

private:
    HidApiTransport(hid_device_ *device, int watchFd);

    hid_device_ *m_device;
    // A second opening of the same node, only watched for readiness: hidraw gives every opening
    // its own copy of each input report, so it holds one entry for each report hidapi holds.
    // Below 0 when it could not be opened; waiting then falls back to short sleeps.
    int m_watchFd;
};
