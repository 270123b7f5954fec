#include "ui/mainwidget/devicePage/download/ReplyWait.h"

#include <QTimer>
#include <QtTest>

class tst_ReplyWait : public QObject
{
    Q_OBJECT

private slots:
    void endsAsSoonAsTheConditionHolds();
    void givesUpAtTheLimit();
    void eventsAreProcessedWhileWaiting();
};

void tst_ReplyWait::endsAsSoonAsTheConditionHolds()
{
    ReplyWait wait;
    int looks = 0;
    wait.setClock([&looks] { return qint64(++looks) * 100; }, [] {});
    QVERIFY(wait.waitUntil([] { return true; }, 1300));
    QCOMPARE(looks, 0);
}

void tst_ReplyWait::givesUpAtTheLimit()
{
    ReplyWait wait;
    qint64 now = 0;
    wait.setClock([&now] { return now += 100; }, [&now] { now = 0; });
    QVERIFY(!wait.waitUntil([] { return false; }, 1300));
    QCOMPARE(now, qint64(1300));
    // Each wait starts its own count.
    QVERIFY(!wait.waitUntil([] { return false; }, 500));
    QCOMPARE(now, qint64(500));
}

void tst_ReplyWait::eventsAreProcessedWhileWaiting()
{
    ReplyWait wait;
    bool replied = false;
    QTimer::singleShot(0, [&replied] { replied = true; });
    // A generous real limit: the queued reply ends the wait long before it.
    QVERIFY(wait.waitUntil([&replied] { return replied; }, 60000));
}

QTEST_GUILESS_MAIN(tst_ReplyWait)
#include "tst_ReplyWait.moc"
