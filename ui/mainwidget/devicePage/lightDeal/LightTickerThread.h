#pragma once

#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>

// What the four light tickers share: the run flag, and the hold that keeps a ticker from queueing
// a tick while the previous one has not been handled, so a busy GUI thread finds one tick waiting
// instead of hundreds. The engine acknowledges each tick in its slot.
class LightTickerThread : public QThread
{
    Q_OBJECT

public:
    using Clock = std::function<int64_t()>;

    explicit LightTickerThread(QObject *parent = nullptr);

    void setRuning(bool on);
    bool isRuning() const { return m_running.load(); }
    void acknowledgeTick() { m_tickQueued.store(false); }
    // Ends the loop and waits for it (at most one sleep).
    void stopAndWait();

protected:
    bool runFlag() const { return m_running.load(); }
    // True when the caller may emit: no tick of this ticker is still waiting.
    bool claimTick();

private:
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_tickQueued{false};
};

// A ticker whose period follows the effect speed: polls the truncated clock every millisecond.
class LightPeriodTicker : public LightTickerThread
{
    Q_OBJECT

public:
    LightPeriodTicker(int64_t clockModulus, int initialPeriod, QObject *parent = nullptr);

    void setRuning(bool on);
    void setTickPeriod(int ms);
    int tickPeriod() const { return m_period.load(); }
    void setClock(Clock clock) { m_clock = std::move(clock); }

protected:
    // Runs the polling loop and calls emitTick for each due tick.
    void runPolling();
    virtual void emitTick() = 0;

private:
    const int64_t m_modulus;
    std::atomic<int> m_period;
    std::atomic<int64_t> m_mark{0};
    Clock m_clock;
};
