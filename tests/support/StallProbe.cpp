#include "tests/support/StallProbe.h"

#include <algorithm>

StallProbe::StallProbe(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
}

void StallProbe::start()
{
    m_longestGapMs = 0;
    m_sinceTick.start();
    m_timer.start();
}

void StallProbe::stop()
{
    // A stall that is still going on when the probe stops counts too.
    tick();
    m_timer.stop();
}

void StallProbe::tick()
{
    m_longestGapMs = std::max(m_longestGapMs, m_sinceTick.restart());
}
