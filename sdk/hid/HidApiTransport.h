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
    int readTimeout(unsigned char *report, int timeoutMs) override;

private:
    explicit HidApiTransport(hid_device_ *device);

    hid_device_ *m_device;
};
