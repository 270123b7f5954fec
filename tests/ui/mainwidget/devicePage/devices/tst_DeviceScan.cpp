#include "sim/SimServer.h"
#include "ui/mainwidget/devicePage/devices/DeviceListRules.h"
#include "ui/mainwidget/devicePage/devices/DeviceScan.h"

#include <QDir>
#include <QtTest>

#include <thread>

// The listing rules over what the SDK really reports for simulated keyboards.
class tst_DeviceScan : public QObject
{
    Q_OBJECT

private slots:
    void simulatedKeyboardsAreListed();
};

void tst_DeviceScan::simulatedKeyboardsAreListed()
{
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim";
    qputenv("VORLAN_SIM_DIR", folder.toLocal8Bit());
    SimServer server(folder.toStdString());
    std::string error;
    QVERIFY2(server.start(&error), error.c_str());
    std::thread thread([&server] { server.run(); });

    const int receiver = server.plug("Breeze84W", "", true, nullptr);
    const int cable = server.plug("Aster104", "", false, nullptr);
    QVERIFY(receiver > 0 && cable > 0);
    const DeviceScan scan = DeviceScan::run();
    server.stop();
    thread.join();
    qunsetenv("VORLAN_SIM_DIR");

    QCOMPARE(scan.devices.size(), 2);
    const DeviceListing listing = DeviceListRules::startupListing(scan);
    QVERIFY(listing.displayList.size() >= 3);
    QCOMPARE(QString(listing.displayList.at(0).hidPath), QString::fromStdString(server.devicePath(cable)));
    QCOMPARE(listing.displayList.at(0).isOnline, 1);
    QCOMPARE(QString(listing.displayList.at(1).hidPath), QString::fromStdString(server.devicePath(receiver)));
    QCOMPARE(listing.displayList.at(1).isOnline, 0);
    QCOMPARE(QByteArray(listing.displayList.at(1).hidName), QByteArray("Breeze84W"));
    QVERIFY(listing.hasStartDevice);
    QCOMPARE(listing.dongleStateMap.keys(), QStringList{QString::fromStdString(server.devicePath(receiver))});
    // Every other supported model gets an offline card keyed by its name.
    for (int i = 2; i < listing.displayList.size(); ++i) {
        QCOMPARE(listing.displayList.at(i).hidPath[0], '\0');
        QVERIFY(scan.models.count(listing.displayList.at(i).hidName) == 1);
    }
    QCOMPARE(int(listing.displayList.size()), int(scan.models.size()));
}

QTEST_GUILESS_MAIN(tst_DeviceScan)
#include "tst_DeviceScan.moc"
