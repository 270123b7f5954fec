#pragma once

// Where the download queues its reports: the current device's command queue. Matches the HID I/O
// object's sendCommand, so that object (or a thin adapter) can stand here.
class OnboardReportSink
{
public:
    virtual ~OnboardReportSink() = default;
    // Queues a copy of one 64-byte report; negative when the device is not open.
    virtual int sendCommand(const unsigned char *report) = 0;
};
