#pragma once

#include "DownloadWaiter.h"

#include <QElapsedTimer>

// Waits on the GUI thread's event loop, measured by one elapsed-time timer.
class EventLoopDownloadWaiter : public DownloadWaiter
{
public:
    void waitProcessingEvents(const std::function<bool()>& done, int timeoutMs) override;
    void pause(int ms) override;

private:
    QElapsedTimer m_waitTimer;
};
