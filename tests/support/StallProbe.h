#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The longest gap between ticks of a 5 ms timer on the thread that owns it: how long that thread's
// event loop was kept from running.
class StallProbe : public QObject
{
public:
    explicit StallProbe(QObject *parent = nullptr);

    void start();
    void stop();
    qint64 longestGapMs() const { return m_longestGapMs; }

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestGapMs = 0;
};
