#include "ui/mainwidget/devicePage/devices/DeviceListRules.h"
#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"

#include <QtTest>

#include <cstring>

namespace {

HidInfoStu model(const char *name, const char *product)
{
    HidInfoStu info{};
    std::strcpy(info.deviceKind, "keyboard");
    std::strcpy(info.hidName, name);
    std::strcpy(info.productName, product);
    std::strcpy(info.deviceName, "RGB Keyboard");
    info.keyCount = 87;
    return info;
}

// "path:model" for a cable device, "path:model:receiver" for one behind a receiver.
DeviceScan scanOf(const QStringList &devices)
{
    DeviceScan scan;
    for (const char *name : {"Aster104", "Breeze84W", "Quartz68HE"})
        scan.models[name] = model(name, name);
    for (const QString &device : devices) {
        const QStringList parts = device.split(':');
        ScannedDevice scanned{};
        scanned.path = parts.at(0);
        std::strcpy(scanned.hid.path, parts.at(0).toLatin1().constData());
        std::strcpy(scanned.hid.hidName, parts.at(1).toLatin1().constData());
        scanned.hid.isDongle = parts.size() > 2 ? 1 : 0;
        std::strcpy(scanned.firmware.version, "1.0.3");
        scan.devices.append(scanned);
    }
    return scan;
}

hidStructInfoAll record(const char *path, const char *name, int online, int dongle)
{
    hidStructInfoAll r{};
    std::strcpy(r.hidPath, path);
    std::strcpy(r.hidName, name);
    r.isOnline = online;
    r.usbOrDongle = dongle;
    return r;
}

QStringList keysOf(const QList<hidStructInfoAll> &records)
{
    QStringList keys;
    for (const hidStructInfoAll &r : records)
        keys << DeviceRecordBuilder::cardKey(r) + (r.isOnline ? "+" : "-");
    return keys;
}

} // namespace

class tst_DeviceListRules : public QObject
{
    Q_OBJECT

private slots:
    void startupListing_data();
    void startupListing();
    void recordTakesModelDeviceAndFirmwareTexts();
    void goneDeviceBecomesOfflineCardOfItsModel();
    void firstChangedKey_data();
    void firstChangedKey();
    void nextCurrentDevice_data();
    void nextCurrentDevice();
    void arrivalBecomesCurrent_data();
    void arrivalBecomesCurrent();
    void cardOrders();
    void rebuildPlacement_data();
    void rebuildPlacement();
};

void tst_DeviceListRules::startupListing_data()
{
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("display");
    QTest::addColumn<QStringList>("receivers");
    QTest::addColumn<bool>("hasStartDevice");

    // Paths keep the SDK's order; cards go cable first, then receivers, then unconnected models.
    QTest::newRow("cable, receiver, unconnected model")
        << QStringList{"p1:Breeze84W:receiver", "p2:Aster104"} << QStringList{"p2+", "p1-", "Quartz68HE-"}
        << QStringList{"p1"} << true;
    QTest::newRow("only a receiver") << QStringList{"p1:Breeze84W:receiver"}
                                     << QStringList{"p1-", "Aster104-", "Quartz68HE-"} << QStringList{"p1"} << false;
    QTest::newRow("two keyboards of one model")
        << QStringList{"p9:Aster104", "p3:Aster104"} << QStringList{"p9+", "p3+", "Breeze84W-", "Quartz68HE-"}
        << QStringList{} << true;
    QTest::newRow("two receivers of one model")
        << QStringList{"p1:Breeze84W:receiver", "p2:Breeze84W:receiver"}
        << QStringList{"p1-", "p2-", "Aster104-", "Quartz68HE-"} << QStringList{"p1", "p2"} << false;
    QTest::newRow("nothing connected") << QStringList{} << QStringList{"Aster104-", "Breeze84W-", "Quartz68HE-"}
                                       << QStringList{} << false;
    QTest::newRow("unsupported model skipped")
        << QStringList{"p1:Nimbus60", "p2:Quartz68HE"} << QStringList{"p2+", "Aster104-", "Breeze84W-"} << QStringList{}
        << true;
}

void tst_DeviceListRules::startupListing()
{
    QFETCH(QStringList, devices);
    QFETCH(QStringList, display);
    QFETCH(QStringList, receivers);
    QFETCH(bool, hasStartDevice);
    const DeviceListing listing = DeviceListRules::startupListing(scanOf(devices));
    QCOMPARE(keysOf(listing.displayList), display);
    QCOMPARE(listing.dongleStateMap.keys(), receivers);
    for (int state : listing.dongleStateMap)
        QCOMPARE(state, 1);
    QCOMPARE(listing.hasStartDevice, hasStartDevice);
    // The device map holds exactly the connected devices, by path.
    QStringList connected;
    for (const hidStructInfoAll &r : listing.displayList) {
        if (r.hidPath[0])
            connected << r.hidPath;
    }
    std::sort(connected.begin(), connected.end());
    QCOMPARE(listing.hidInfoMap.keys(), connected);
}

void tst_DeviceListRules::recordTakesModelDeviceAndFirmwareTexts()
{
    HidInfoStu info = model("Aster104", "Aster 104");
    std::memset(info.deviceKind, 'k', sizeof(info.deviceKind)); // longer than the record's field, no NUL
    info.supportWords[2] = 7;
    hidStu hid{};
    std::strcpy(hid.path, "hid#vid_1209&pid_0001&mi_01#/dev/hidraw0");
    std::strcpy(hid.hidName, "Aster104");
    hid.isDongle = 1;
    FirmwareInfoStu firmware{};
    std::strcpy(firmware.chip, "chip");
    std::strcpy(firmware.numberField, "field1");
    std::strcpy(firmware.deviceClass, "class");
    std::strcpy(firmware.vendorCode, "vendor");
    std::strcpy(firmware.version, "2.0.1");

    const hidStructInfoAll r = DeviceRecordBuilder::connected(info, hid, firmware);
    QCOMPARE(QByteArray(r.hidPath), QByteArray(hid.path));
    QCOMPARE(QByteArray(r.productName), QByteArray("Aster 104"));
    QCOMPARE(QByteArray(r.firmwareChip), QByteArray("chip"));
    QCOMPARE(QByteArray(r.firmwareField1), QByteArray("field1"));
    QCOMPARE(QByteArray(r.firmwareVendorCode), QByteArray("vendor"));
    QCOMPARE(QByteArray(r.firmwareVersion), QByteArray("2.0.1"));
    QCOMPARE(QByteArray(r.newFirmwareVersion), QByteArray());
    QCOMPARE(r.usbOrDongle, 1);
    QCOMPARE(r.supportWords[2], 7);
    QCOMPARE(r.keyCount, 87);
    QCOMPARE(int(qstrnlen(r.deviceKind, sizeof(r.deviceKind))), int(sizeof(r.deviceKind)) - 1);
}

void tst_DeviceListRules::goneDeviceBecomesOfflineCardOfItsModel()
{
    hidStructInfoAll r = record("hid#vid_1209&pid_0001&mi_01#/dev/hidraw0", "Aster104", 1, 0);
    DeviceRecordBuilder::makeOffline(&r);
    QCOMPARE(r.isOnline, 0);
    QCOMPARE(DeviceRecordBuilder::cardKey(r), QString("Aster104"));
    QCOMPARE(DeviceListRules::rebuildPlacement(r).itemKey, QString("Aster104"));
}

void tst_DeviceListRules::firstChangedKey_data()
{
    QTest::addColumn<QStringList>("oldKeys");
    QTest::addColumn<QStringList>("newKeys");
    QTest::addColumn<QString>("firstNew");
    QTest::addColumn<QString>("firstGone");
    QTest::newRow("one arrives") << QStringList{"b"} << QStringList{"b", "c"} << "c"
                                 << "";
    QTest::newRow("two arrive: first in key order") << QStringList{"b"} << QStringList{"d", "b", "a"} << "a"
                                                    << "";
    QTest::newRow("two leave: first in key order") << QStringList{"c", "a", "b"} << QStringList{"b"} << ""
                                                   << "a";
    QTest::newRow("one replaces another") << QStringList{"a"} << QStringList{"b"} << "b"
                                          << "a";
    QTest::newRow("nothing changed") << QStringList{"a", "b"} << QStringList{"b", "a"} << ""
                                     << "";
}

void tst_DeviceListRules::firstChangedKey()
{
    QFETCH(QStringList, oldKeys);
    QFETCH(QStringList, newKeys);
    QTEST(DeviceListRules::firstNewKey(oldKeys, newKeys), "firstNew");
    QTEST(DeviceListRules::firstGoneKey(oldKeys, newKeys), "firstGone");
}

void tst_DeviceListRules::nextCurrentDevice_data()
{
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("reachableReceivers");
    QTest::addColumn<QStringList>("unreachableReceivers");
    QTest::addColumn<QString>("next");
    QTest::newRow("first cable in key order") << QStringList{"c:0", "b:0"} << QStringList{} << QStringList{} << "b";
    QTest::newRow("receiver out of reach skipped")
        << QStringList{"a:1", "b:0"} << QStringList{} << QStringList{"a"} << "b";
    QTest::newRow("reachable receiver first") << QStringList{"a:1", "b:0"} << QStringList{"a"} << QStringList{} << "a";
    QTest::newRow("receiver without state skipped") << QStringList{"a:1"} << QStringList{} << QStringList{} << "";
    QTest::newRow("none") << QStringList{} << QStringList{} << QStringList{} << "";
}

void tst_DeviceListRules::nextCurrentDevice()
{
    QFETCH(QStringList, devices);
    QFETCH(QStringList, reachableReceivers);
    QFETCH(QStringList, unreachableReceivers);
    QMap<QString, hidStructInfoAll> map;
    for (const QString &device : devices) {
        const QStringList parts = device.split(':');
        map.insert(parts[0], record(parts[0].toLatin1().constData(), "Aster104", 1, parts[1].toInt()));
    }
    QMap<QString, int> states;
    for (const QString &path : reachableReceivers)
        states.insert(path, 0);
    for (const QString &path : unreachableReceivers)
        states.insert(path, 1);
    QTEST(DeviceListRules::nextCurrentPath(map, states), "next");
}

void tst_DeviceListRules::arrivalBecomesCurrent_data()
{
    QTest::addColumn<int>("dongle");
    QTest::addColumn<int>("scanned");
    QTest::addColumn<bool>("hasCurrent");
    QTest::addColumn<bool>("becomes");
    QTest::newRow("only device, cable") << 0 << 1 << false << true;
    QTest::newRow("only device, cable, stale current") << 0 << 1 << true << true;
    QTest::newRow("only device, receiver") << 1 << 1 << false << false;
    QTest::newRow("second cable, nothing current") << 0 << 2 << false << true;
    QTest::newRow("second cable, one current") << 0 << 2 << true << false;
    QTest::newRow("second, receiver") << 1 << 2 << false << false;
}

void tst_DeviceListRules::arrivalBecomesCurrent()
{
    QFETCH(int, dongle);
    QFETCH(int, scanned);
    QFETCH(bool, hasCurrent);
    QTEST(DeviceListRules::arrivalBecomesCurrent(record("p", "m", 1, dongle), scanned, hasCurrent), "becomes");
}

void tst_DeviceListRules::cardOrders()
{
    // In key order, as the card map walks them.
    const QList<DeviceCard> cards = {{"Aster104", record("Aster104", "Aster104", 0, 0)},
                                     {"pa", record("pa", "Breeze84W", 1, 1)},
                                     {"pb", record("pb", "Breeze84W", 0, 1)},
                                     {"pc", record("pc", "Quartz68HE", 1, 0)},
                                     {"pd", record("pd", "Quartz68HE", 1, 0)}};
    QCOMPARE(DeviceListRules::hotPlugOrder(cards, "pd"), (QStringList{"pd", "pc", "pa", "Aster104", "pb"}));
    QCOMPARE(DeviceListRules::hotPlugOrder(cards, QString()), (QStringList{"pc", "pd", "pa", "Aster104", "pb"}));

    // The rebuild keeps offline receivers beside the online ones; a card holding the current
    // path in another letter case is left out.
    QList<DeviceCard> withDuplicate = cards;
    withDuplicate.append({"PD", record("PD", "Quartz68HE", 1, 0)});
    QCOMPARE(keysOf(DeviceListRules::rebuildOrder(withDuplicate, "pd")),
             (QStringList{"pd+", "pc+", "pa+", "pb-", "Aster104-"}));
    QCOMPARE(keysOf(DeviceListRules::rebuildOrder(cards, QString())),
             (QStringList{"pc+", "pd+", "pa+", "pb-", "Aster104-"}));
}

void tst_DeviceListRules::rebuildPlacement_data()
{
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("dongle");
    QTest::addColumn<QString>("itemKey");
    QTest::addColumn<QString>("infoKey");
    QTest::newRow("online cable") << 1 << 0 << "path"
                                  << "path";
    QTest::newRow("online receiver") << 1 << 1 << "path"
                                     << "path";
    QTest::newRow("offline receiver stays a device") << 0 << 1 << "path"
                                                     << "path";
    QTest::newRow("offline model") << 0 << 0 << "Model"
                                   << "";
}

void tst_DeviceListRules::rebuildPlacement()
{
    QFETCH(int, online);
    QFETCH(int, dongle);
    const CardPlacement placement = DeviceListRules::rebuildPlacement(record("path", "Model", online, dongle));
    QTEST(placement.itemKey, "itemKey");
    QTEST(placement.infoKey, "infoKey");
}

QTEST_GUILESS_MAIN(tst_DeviceListRules)
#include "tst_DeviceListRules.moc"
