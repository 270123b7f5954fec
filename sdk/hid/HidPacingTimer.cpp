#include "sdk/hid/HidPacingTimer.h"

void HidPacingTimer::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_running = true;
    m_origin = Clock::now();
}

void HidPacingTimer::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }
    m_stopped.notify_all();
}

bool HidPacingTimer::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running;
}

bool HidPacingTimer::waitNextTick(std::chrono::microseconds period)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_running)
        return false;
    if (period.count() <= 0)
        return true;
    // Ticks sit on a fixed grid, so a late waiter does not push every later tick back.
    const Clock::time_point now = Clock::now();
    const auto ticksPassed = (now - m_origin) / period;
    const Clock::time_point nextTick = m_origin + (ticksPassed + 1) * period;
    return !m_stopped.wait_until(lock, nextTick, [this] { return !m_running; });
}
