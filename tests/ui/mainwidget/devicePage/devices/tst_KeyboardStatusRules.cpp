#include "ui/mainwidget/devicePage/devices/KeyboardStatusRules.h"

#include <QtTest>

Q_DECLARE_METATYPE(BatteryView::TimerAction)

class tst_KeyboardStatusRules : public QObject
{
    Q_OBJECT

private slots:
    void reportFilter_data();
    void reportFilter();
    void batteryView_data();
    void batteryView();
    void chargingSweepWrapsAfterFullInOneHundredSteps();
    void dongleTransition_data();
    void dongleTransition();
};

void tst_KeyboardStatusRules::reportFilter_data()
{
    QTest::addColumn<int>("keyboardMode");
    QTest::addColumn<int>("is24GValid");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("currentSerial");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("cable, current") << 0 << 0 << "SN1"
                                    << "SN1" << true;
    QTest::newRow("cable, flag set but not 2.4G") << 0 << 1 << "SN1"
                                                  << "SN1" << true;
    QTest::newRow("2.4G reachable") << 1 << 0 << "SN1"
                                    << "SN1" << true;
    QTest::newRow("2.4G out of reach") << 1 << 1 << "SN1"
                                       << "SN1" << false;
    QTest::newRow("other keyboard") << 0 << 0 << "SN2"
                                    << "SN1" << false;
    QTest::newRow("no serial") << 0 << 0 << ""
                               << "SN1" << false;
    QTest::newRow("no current keyboard") << 0 << 0 << ""
                                         << "" << false;
}

void tst_KeyboardStatusRules::reportFilter()
{
    QFETCH(int, keyboardMode);
    QFETCH(int, is24GValid);
    QFETCH(QString, serial);
    QFETCH(QString, currentSerial);
    QFETCH(bool, accepted);
    QCOMPARE(KeyboardStatusRules::acceptsReport(keyboardMode, is24GValid, serial, currentSerial), accepted);
}

void tst_KeyboardStatusRules::batteryView_data()
{
    QTest::addColumn<int>("charging");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("timerRunning");
    QTest::addColumn<bool>("chargingShown");
    QTest::addColumn<bool>("percentShown");
    QTest::addColumn<int>("shownLevel");
    QTest::addColumn<BatteryView::TimerAction>("timer");
    QTest::addColumn<QString>("modeText");
    QTest::newRow("discharging") << 0 << 64 << 0 << false << false << true << 64 << BatteryView::KeepTimer << "USB";
    QTest::newRow("discharging ends animation")
        << 0 << 64 << 2 << true << false << true << 64 << BatteryView::StopTimer << "2.4G";
    QTest::newRow("charging starts animation")
        << 1 << 37 << 0 << false << true << false << -1 << BatteryView::StartTimerFromZero << "USB";
    QTest::newRow("charging again keeps counting")
        << 1 << 38 << 0 << true << true << false << -1 << BatteryView::KeepTimer << "USB";
    QTest::newRow("charged shows 100") << 2 << 37 << 1 << true << true << true << 100 << BatteryView::StopTimer
                                       << "2.4G";
    QTest::newRow("charged, no animation")
        << 2 << 37 << 0 << false << true << true << 100 << BatteryView::KeepTimer << "USB";
    QTest::newRow("unknown status") << 7 << 12 << 0 << true << false << true << 12 << BatteryView::StopTimer << "USB";
}

void tst_KeyboardStatusRules::batteryView()
{
    QFETCH(int, charging);
    QFETCH(int, level);
    QFETCH(int, mode);
    QFETCH(bool, timerRunning);
    const BatteryView view = KeyboardStatusRules::batteryView(charging, level, mode, timerRunning);
    QTEST(view.chargingShown, "chargingShown");
    QTEST(view.percentTextShown, "percentShown");
    QTEST(view.level, "shownLevel");
    QTEST(view.timer, "timer");
    QTEST(view.modeText, "modeText");
}

void tst_KeyboardStatusRules::chargingSweepWrapsAfterFullInOneHundredSteps()
{
    int level = 0;
    int steps = 0;
    do {
        level = KeyboardStatusRules::nextAnimationLevel(level);
        ++steps;
        QVERIFY(level >= 0 && level < 100);
    } while (level != 0 && steps < 1000);
    // 100 ticks of 50 ms: one sweep takes 5 seconds.
    QCOMPARE(steps, 100);
}

void tst_KeyboardStatusRules::dongleTransition_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("hasCard");
    QTest::addColumn<bool>("isCurrentCard");
    QTest::addColumn<bool>("hasCurrent");
    QTest::addColumn<int>("cardOnline");
    QTest::addColumn<bool>("leaveCurrent");
    QTest::addColumn<bool>("becomeCurrent");
    QTest::newRow("out of reach, not current") << 1 << true << false << true << 0 << false << false;
    QTest::newRow("out of reach, current") << 1 << true << true << true << 0 << true << false;
    QTest::newRow("back while another is current") << 0 << true << false << true << 1 << false << false;
    QTest::newRow("back with nothing current") << 0 << true << false << false << 1 << false << true;
    QTest::newRow("no card") << 1 << false << false << false << -1 << false << false;
    QTest::newRow("no card, back") << 0 << false << false << false << -1 << false << false;
    QTest::newRow("unknown state") << 5 << true << true << true << -1 << false << false;
}

void tst_KeyboardStatusRules::dongleTransition()
{
    QFETCH(int, state);
    QFETCH(bool, hasCard);
    QFETCH(bool, isCurrentCard);
    QFETCH(bool, hasCurrent);
    const DongleTransition t = KeyboardStatusRules::dongleTransition(state, hasCard, isCurrentCard, hasCurrent);
    QTEST(t.cardOnline, "cardOnline");
    QTEST(t.leaveCurrent, "leaveCurrent");
    QCOMPARE(t.chooseNext, t.leaveCurrent);
    QTEST(t.becomeCurrent, "becomeCurrent");
}

QTEST_GUILESS_MAIN(tst_KeyboardStatusRules)
#include "tst_KeyboardStatusRules.moc"
