#pragma once

#include "ui/mainwidget/devicePage/download/DownloadWaiter.h"
#include "ui/mainwidget/devicePage/download/ReplyWait.h"

// Waits on the GUI thread's event loop.
class EventLoopDownloadWaiter : public DownloadWaiter
{
public:
    void waitProcessingEvents(const std::function<bool()> &done, int timeoutMs) override;
    void pause(int ms) override;

private:
    ReplyWait m_wait;
};
