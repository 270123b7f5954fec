#include "ui/mainwidget/devicePage/HidReportSink.h"

#include "device/MainHidInterFace.h"

int HidReportSink::sendCommand(const unsigned char *report)
{
    return m_hid ? m_hid->sendCommand(report) : -1;
}
