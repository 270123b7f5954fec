#include "ui/mainwidget/devicePage/lightDeal/LightTickerThread.h"

#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

#include <QDateTime>

LightTickerThread::LightTickerThread(QObject *parent)
    : QThread(parent)
{
}

void LightTickerThread::setRuning(bool on)
{
    m_running.store(on);
    if (on)
        m_tickQueued.store(false);
}

void LightTickerThread::stopAndWait()
{
    m_running.store(false);
    quit();
    wait();
}

bool LightTickerThread::claimTick()
{
    bool expected = false;
    return m_tickQueued.compare_exchange_strong(expected, true);
}

LightPeriodTicker::LightPeriodTicker(int64_t clockModulus, int initialPeriod, QObject *parent)
    : LightTickerThread(parent)
    , m_modulus(clockModulus)
    , m_period(initialPeriod)
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
}

void LightPeriodTicker::setRuning(bool on)
{
    LightTickerThread::setRuning(on);
    m_mark.store(0);
}

void LightPeriodTicker::setTickPeriod(int ms)
{
    m_period.store(LightTickRule::clampPeriod(ms));
}

void LightPeriodTicker::runPolling()
{
    while (runFlag()) {
        msleep(1);
        int64_t mark = m_mark.load();
        const bool due = LightTickRule::shouldTick(m_clock(), m_modulus, m_period.load(), mark);
        m_mark.store(mark);
        if (due && claimTick())
            emitTick();
        // The 1 ms polls only matter near the next tick; sleeping through the rest of the period
        // keeps the ticks where they were and spares most wake-ups.
        const int64_t idle = LightTickRule::idleBeforeDue(m_clock(), m_modulus, m_period.load(), mark);
        if (idle > 0 && runFlag())
            msleep(static_cast<unsigned long>(idle));
    }
}
