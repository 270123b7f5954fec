#pragma once

#include <QEventLoop>
#include <QTimer>

// Runs the event loop for ms milliseconds, as the program's own loop runs. QTest::qWait handles
// events only every 10 ms: each hop through the GUI thread would wait for that grid, and its wake-ups
// would count in the figures.
inline void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
