#pragma once

#include "ui/mainwidget/devicePage/HidReportSink.h"
#include "ui/mainwidget/devicePage/download/EventLoopDownloadWaiter.h"

#include <QObject>

#include <functional>

class MainHidInterFace;
class OnboardDownload;

// The download of the key configuration into the current keyboard's on-board memory: gathers the
// current device's key list and files, runs the download on the GUI thread and hands on the
// keyboard's replies to it.
class CurrentDeviceDownload : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { NothingToDownloadTo, AlreadyRunning, Successful, Failed };

    // currentHid: the current device's HID I/O object, or null; asked again after every wait, so a
    // switch or unplug of the device stops the download.
    explicit CurrentDeviceDownload(std::function<MainHidInterFace *()> currentHid, QObject *parent = nullptr);

    Outcome run();

public slots:
    // A macro report was acknowledged (incoming 0x19).
    void onAcknowledged();
    void onDownloadStatus(int status);

private:
    std::function<MainHidInterFace *()> m_currentHid;
    EventLoopDownloadWaiter m_waiter;
    HidReportSink m_sink;
    // Made on the first download; replies before it have nothing to go to.
    OnboardDownload *m_download = nullptr;
};
