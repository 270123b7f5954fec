#include "platform/DeviceNotifier.h"
#include "platform/HidrawPathCache.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "sim/SimServer.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <thread>

class tst_DeviceNotifier : public QObject
{
    Q_OBJECT

private slots:
    void hidrawPathFromParentIds_data();
    void hidrawPathFromParentIds();
    void removalReportsThePathOfTheArrival();
    void simulatedKeyboardsArriveAndLeave();
    void simulatorFolderCreatedLaterIsFollowed();
};

void tst_DeviceNotifier::hidrawPathFromParentIds_data()
{
    QTest::addColumn<QString>("hidId");
    QTest::addColumn<int>("interfaceNumber");
    QTest::addColumn<QString>("devnode");
    QTest::addColumn<QString>("path");

    QTest::newRow("usb keyboard") << "0003:00001209:00000001" << 1 << "/dev/hidraw3"
                                  << "hid#vid_1209&pid_0001&mi_01#/dev/hidraw3";
    QTest::newRow("upper-case hex") << "0003:00000416:00003F00" << 0 << "/dev/hidraw0"
                                    << "hid#vid_0416&pid_3f00&mi_00#/dev/hidraw0";
    QTest::newRow("bluetooth bus") << "0005:0000046D:0000B35B" << 0 << "/dev/hidraw9"
                                   << "hid#vid_046d&pid_b35b&mi_00#/dev/hidraw9";
    QTest::newRow("vendor id too wide") << "0003:00012090:00000001" << 1 << "/dev/hidraw3"
                                        << "";
    QTest::newRow("not hexadecimal") << "0003:0000120G:00000001" << 1 << "/dev/hidraw3"
                                     << "";
    QTest::newRow("two fields") << "00001209:00000001" << 1 << "/dev/hidraw3"
                                << "";
    QTest::newRow("no node") << "0003:00001209:00000001" << 1 << ""
                             << "";
    QTest::newRow("empty") << "" << 0 << "/dev/hidraw1"
                           << "";
}

void tst_DeviceNotifier::hidrawPathFromParentIds()
{
    QFETCH(QString, hidId);
    QFETCH(int, interfaceNumber);
    QFETCH(QString, devnode);
    QFETCH(QString, path);
    HidrawPathCache cache;
    QCOMPARE(cache.arrive(devnode, hidId, interfaceNumber), path);
    // Only a node with a path is remembered for its removal.
    QCOMPARE(cache.size(), path.isEmpty() ? 0 : 1);
}

void tst_DeviceNotifier::removalReportsThePathOfTheArrival()
{
    HidrawPathCache cache;
    const QString first = cache.arrive("/dev/hidraw3", "0003:00001209:00000001", 1);
    const QString second = cache.arrive("/dev/hidraw4", "0003:00001209:00000002", 1);
    QCOMPARE(cache.remove("/dev/hidraw3"), first);
    QCOMPARE(cache.remove("/dev/hidraw3"), QString());
    QCOMPARE(cache.remove("/dev/hidraw7"), QString());
    // A node number reused by another device reports the newer device.
    QCOMPARE(cache.arrive("/dev/hidraw4", "0003:00001209:00000003", 1),
             QString("hid#vid_1209&pid_0003&mi_01#/dev/hidraw4"));
    QVERIFY(cache.remove("/dev/hidraw4") != second);
    QCOMPARE(cache.size(), 0);
}

namespace {

struct RunningSimulator
{
    explicit RunningSimulator(const QString &folder)
        : server(folder.toStdString())
    {
        std::string error;
        started = server.start(&error);
        if (started)
            thread = std::thread([this] { server.run(); });
    }
    ~RunningSimulator()
    {
        server.stop();
        if (thread.joinable())
            thread.join();
    }
    SimServer server;
    bool started = false;
    std::thread thread;
};

QStringList sdkPaths()
{
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    QStringList result;
    for (const std::string &path : paths)
        result << QString::fromStdString(path);
    return result;
}

} // namespace

void tst_DeviceNotifier::simulatedKeyboardsArriveAndLeave()
{
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim-a";
    qputenv("VORLAN_SIM_DIR", folder.toLocal8Bit());
    RunningSimulator sim(folder);
    QVERIFY(sim.started);

    DeviceNotifier notifier(folder);
    QSignalSpy arrived(&notifier, &DeviceNotifier::deviceArrived);
    QSignalSpy removed(&notifier, &DeviceNotifier::deviceRemoved);

    const int cable = sim.server.plug("Aster104", "", false, nullptr);
    QVERIFY(cable > 0);
    QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 1, 10000);
    const QString cablePath = arrived.at(0).at(0).toString();
    // The notifier names the device exactly as the SDK lists it.
    QCOMPARE(sdkPaths(), QStringList{cablePath});
    QCOMPARE(cablePath, QString::fromStdString(sim.server.devicePath(cable)));

    const int receiver = sim.server.plug("Breeze84W", "", true, nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 2, 10000);
    QCOMPARE(arrived.at(1).at(0).toString(), QString::fromStdString(sim.server.devicePath(receiver)));

    QVERIFY(sim.server.unplug(cable));
    QTRY_COMPARE_WITH_TIMEOUT(removed.count(), 1, 10000);
    QCOMPARE(removed.at(0).at(0).toString(), cablePath);
    QCOMPARE(arrived.count(), 2);
    qunsetenv("VORLAN_SIM_DIR");
}

void tst_DeviceNotifier::simulatorFolderCreatedLaterIsFollowed()
{
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/later/sim-b";
    QVERIFY(!QFileInfo::exists(folder));
    DeviceNotifier notifier(folder);
    QSignalSpy arrived(&notifier, &DeviceNotifier::deviceArrived);

    RunningSimulator sim(folder);
    QVERIFY(sim.started);
    const int id = sim.server.plug("Quartz68HE", "", false, nullptr);
    QVERIFY(id > 0);
    QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 1, 10000);
    QCOMPARE(arrived.at(0).at(0).toString(), QString::fromStdString(sim.server.devicePath(id)));
}

QTEST_GUILESS_MAIN(tst_DeviceNotifier)
#include "tst_DeviceNotifier.moc"
