#include "ui/mainwidget/devicePage/devices/HotPlugGate.h"

#include <QtTest>

#include <cstring>

namespace {

SupportInfoStu entry(const char *vid, const char *pid)
{
    SupportInfoStu info{};
    std::strncpy(info.vidText, vid, sizeof(info.vidText) - 1);
    std::strncpy(info.pidText, pid, sizeof(info.pidText) - 1);
    return info;
}

const QList<SupportInfoStu> supported = {entry("vid_1209", "pid_0001"), entry("vid_1209", "pid_0002"),
                                         entry("vid_1209", "0002"), entry("vid_4444", "pid_0003")};

} // namespace

class tst_HotPlugGate : public QObject
{
    Q_OBJECT

private slots:
    void firstMatchingEntry_data();
    void firstMatchingEntry();
    void decision_data();
    void decision();
    void entryWithoutIdsMatchesNothing();
};

void tst_HotPlugGate::firstMatchingEntry_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("entry");
    QTest::newRow("exact") << "hid#vid_1209&pid_0001&mi_01#/dev/hidraw2" << 0;
    QTest::newRow("other letter case") << "HID#VID_4444&PID_0003&MI_01#/dev/hidraw0" << 3;
    // Both the second and the third entry match: the first in list order wins.
    QTest::newRow("two entries match") << "hid#vid_1209&pid_0002&mi_01#sim:/x" << 1;
    QTest::newRow("vid of one entry, pid of another") << "hid#vid_1209&pid_0003&mi_01#/dev/hidraw1" << -1;
    QTest::newRow("vid of the last entry, pid of no entry") << "hid#vid_4444&pid_0009&mi_01#/dev/hidraw1" << -1;
    QTest::newRow("unsupported") << "hid#vid_046d&pid_c52b&mi_00#/dev/hidraw5" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_HotPlugGate::firstMatchingEntry()
{
    QFETCH(QString, path);
    QFETCH(int, entry);
    QCOMPARE(HotPlugGate::matchingEntry(supported, path), entry);
}

void tst_HotPlugGate::decision_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("arrival");
    QTest::addColumn<bool>("sdkStarted");
    QTest::addColumn<bool>("emitSignal");
    QTest::addColumn<bool>("scheduleUpgrade");
    QTest::newRow("supported arrival") << "hid#vid_1209&pid_0001&mi_01#/dev/hidraw0" << true << true << true << false;
    QTest::newRow("supported removal") << "hid#vid_1209&pid_0001&mi_01#/dev/hidraw0" << false << true << true << false;
    QTest::newRow("unsupported removal") << "hid#vid_046d&pid_c52b&mi_00#/dev/hidraw5" << false << true << false
                                         << false;
    QTest::newRow("upgrade chip 1fc9/f7df arrival") << "hid#VID_1FC9&PID_F7DF#x" << true << true << false << true;
    QTest::newRow("upgrade pair 0416/3f00") << "hid#vid_0416&pid_3F00#x" << true << true << false << true;
    QTest::newRow("upgrade pair 0416/3f01") << "hid#vid_0416&pid_3f01#x" << true << true << false << true;
    QTest::newRow("upgrade pair on removal") << "hid#vid_1fc9&pid_f7df#x" << false << true << false << false;
    QTest::newRow("half an upgrade pair") << "hid#vid_0416&pid_3f02#x" << true << true << false << false;
    QTest::newRow("sdk not started") << "hid#vid_1209&pid_0001&mi_01#/dev/hidraw0" << true << false << false << false;
    QTest::newRow("sdk not started, upgrade pair") << "hid#vid_1fc9&pid_f7df#x" << true << false << false << true;
}

void tst_HotPlugGate::decision()
{
    QFETCH(QString, path);
    QFETCH(bool, arrival);
    QFETCH(bool, sdkStarted);
    QFETCH(bool, emitSignal);
    QFETCH(bool, scheduleUpgrade);
    const HotPlugDecision decision = HotPlugGate::decide(sdkStarted ? &supported : nullptr, path, arrival);
    QCOMPARE(decision.emitSignal, emitSignal);
    QCOMPARE(decision.scheduleUpgrade, scheduleUpgrade);
}

void tst_HotPlugGate::entryWithoutIdsMatchesNothing()
{
    const QList<SupportInfoStu> list = {entry("", ""), entry("vid_1209", ""), entry("vid_1209", "pid_0001")};
    QCOMPARE(HotPlugGate::matchingEntry(list, "hid#vid_046d&pid_c52b&mi_00#/dev/hidraw5"), -1);
    QCOMPARE(HotPlugGate::matchingEntry(list, "hid#vid_1209&pid_0001&mi_01#/dev/hidraw0"), 2);
}

QTEST_GUILESS_MAIN(tst_HotPlugGate)
#include "tst_HotPlugGate.moc"
