#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// A periodic tick that a thread waits for between its turns. Stopping wakes every waiter at
// once and makes later waits return immediately until the timer is started again.
class HidPacingTimer
{
public:
    using Clock = std::chrono::steady_clock;

    void start();
    void stop();
    bool isRunning() const;
    // Waits for the next tick of a grid of the given period, counted from the last start.
    // Returns false when the timer is stopped (at once, or when stopped during the wait).
    bool waitNextTick(std::chrono::microseconds period);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_running = false;
    Clock::time_point m_origin;
};
