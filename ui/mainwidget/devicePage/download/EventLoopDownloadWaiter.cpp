#include "EventLoopDownloadWaiter.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

void EventLoopDownloadWaiter::waitProcessingEvents(const std::function<bool()>& done, int timeoutMs)
{
    m_waitTimer.restart();
    // The timer only wakes the event dispatcher at the deadline, so the loop can sleep in between.
    QTimer deadline;
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    while (!done() && m_waitTimer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void EventLoopDownloadWaiter::pause(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}
