#pragma once

#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"

#include <QPointer>

// The on-board download's reports go to the command queue of one device's HID I/O object.
class HidReportSink : public OnboardReportSink
{
public:
    void setInterface(MainHidInterFace *hid) { m_hid = hid; }
    MainHidInterFace *interface() const { return m_hid.data(); }
    int sendCommand(const unsigned char *report) override;

private:
    // Cleared when the device's link goes, so a removed keyboard is never written to.
    QPointer<MainHidInterFace> m_hid;
};
