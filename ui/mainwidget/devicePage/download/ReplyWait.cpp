#include "ui/mainwidget/devicePage/download/ReplyWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

ReplyWait::ReplyWait()
    : m_elapsedMs([this] { return m_timer.elapsed(); })
    , m_restart([this] { m_timer.restart(); })
{
    m_timer.start();
}

bool ReplyWait::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    m_restart();
    // A short repeating timer wakes the event wait, so the limit is kept without spinning.
    QTimer tick;
    tick.start(5);
    while (!done()) {
        if (m_elapsedMs() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void ReplyWait::setClock(std::function<qint64()> elapsedMs, std::function<void()> restart)
{
    m_elapsedMs = std::move(elapsedMs);
    m_restart = std::move(restart);
}
