#pragma once

#include <QElapsedTimer>

#include <functional>

// The one wait for device replies on the GUI thread (device page, download, sleep times): processes
// events until a condition holds or a time limit passes. The clock can be replaced so tests need not
// wait for real time.
class ReplyWait
{
public:
    ReplyWait();

    // True when the condition held before the limit.
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    // Milliseconds since the wait started; the default is a monotonic timer.
    void setClock(std::function<qint64()> elapsedMs, std::function<void()> restart);

private:
    QElapsedTimer m_timer;
    std::function<qint64()> m_elapsedMs;
    std::function<void()> m_restart;
};
