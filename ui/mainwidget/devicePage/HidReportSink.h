#pragma once

#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"

class MainHidInterFace;

// The on-board download's reports go to the command queue of one device's HID I/O object.
class HidReportSink : public OnboardReportSink
{
public:
    void setInterface(MainHidInterFace *hid) { m_hid = hid; }
    MainHidInterFace *interface() const { return m_hid; }
    int sendCommand(const unsigned char *report) override;

private:
    MainHidInterFace *m_hid = nullptr;
};
