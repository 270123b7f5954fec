#include "ui/mainwidget/devicePage/download/EventLoopDownloadWaiter.h"

#include <QCoreApplication>

void EventLoopDownloadWaiter::waitProcessingEvents(const std::function<bool()> &done, int timeoutMs)
{
    // Pending events are handled once even when done() already holds.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_wait.waitUntil(done, timeoutMs);
}

void EventLoopDownloadWaiter::pause(int ms)
{
    m_wait.waitUntil([] { return false; }, ms);
}
