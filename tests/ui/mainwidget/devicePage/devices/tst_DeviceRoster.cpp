#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"

#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "tests/support/SimServerFixture.h"
#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"
#include "ui/mainwidget/devicePage/download/ReplyWait.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(hidStructInfoAll)

namespace {
constexpr int kWait = 10000;
}

// The roster against simulated keyboards, driven as the device page drives it: the main window's
// change codes, the receivers' reports, and the page's answer to a chosen current device.
class tst_DeviceRoster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void arrivalEntersRecordAndOpensLink_data();
    void arrivalEntersRecordAndOpensLink();
    void removalMakesNextUsableDeviceCurrent_data();
    void removalMakesNextUsableDeviceCurrent();
    void removedKeyboardsLinkIsDeleted_data();
    void removedKeyboardsLinkIsDeleted();
    void receiverReachesAndLosesItsKeyboard();
    void changesDuringListingAreHeldUntilItEnds();

private:
    // Plugs a keyboard and hands the roster the main window's arrival code; returns its path.
    QString arrive(const QString &model, bool receiver = false);
    void remove(int id);

    std::unique_ptr<SimServerFixture> m_sim;
    ReplyWait m_replyWait;
    std::unique_ptr<DeviceRoster> m_roster;
    QMap<QString, int> m_ids;
    int m_serial = 0;
};

void tst_DeviceRoster::initTestCase()
{
    qRegisterMetaType<hidStructInfoAll>();
}

void tst_DeviceRoster::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    m_roster = std::make_unique<DeviceRoster>(m_replyWait);
    // The page makes a chosen device current.
    connect(m_roster.get(), &DeviceRoster::currentRequested, m_roster.get(),
            [this](const hidStructInfoAll &record) { m_roster->setCurrent(DeviceRecordBuilder::path(record)); });
    m_ids.clear();
}

void tst_DeviceRoster::cleanup()
{
    // The links' I/O threads end before the simulator does.
    m_roster.reset();
    m_sim.reset();
}

QString tst_DeviceRoster::arrive(const QString &model, bool receiver)
{
    const int id = m_sim->plug(model, QString("SN%1").arg(++m_serial, 30, 10, QChar('0')), receiver);
    if (id <= 0)
        return QString();
    const QString path = m_sim->devicePath(id);
    m_ids.insert(path, id);
    m_roster->handleChange(DeviceRoster::Arrival);
    return path;
}

void tst_DeviceRoster::remove(int id)
{
    QVERIFY(m_sim->server().unplug(id));
    m_roster->handleChange(DeviceRoster::Removal);
}

void tst_DeviceRoster::arrivalEntersRecordAndOpensLink_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("dongleState"); // -1: none kept
    QTest::addColumn<bool>("becomesCurrent");
    QTest::newRow("cable") << "Aster104" << false << 1 << -1 << true;
    // Out of reach until its receiver reports the keyboard.
    QTest::newRow("receiver") << "Breeze84W" << true << 0 << 1 << false;
}

void tst_DeviceRoster::arrivalEntersRecordAndOpensLink()
{
    QFETCH(QString, model);
    QFETCH(bool, receiver);
    QFETCH(int, online);
    QFETCH(int, dongleState);
    QFETCH(bool, becomesCurrent);
    QSignalSpy added(m_roster.get(), &DeviceRoster::deviceAdded);
    QSignalSpy created(m_roster.get(), &DeviceRoster::linkCreated);
    QSignalSpy none(m_roster.get(), &DeviceRoster::noCurrentDevice);
    QSignalSpy handled(m_roster.get(), &DeviceRoster::changeHandled);

    const QString path = arrive(model, receiver);
    QVERIFY(!path.isEmpty());
    QCOMPARE(m_roster->hidInfoMap().keys(), QStringList{path});
    QCOMPARE(m_roster->hidInfoMap().value(path).isOnline, online);
    QCOMPARE(m_roster->dongleStateMap().value(path, -1), dongleState);
    QCOMPARE(added.count(), 1);
    QCOMPARE(created.count(), 1);
    DDeviceKeyboardLink *link = m_roster->link(path);
    QVERIFY(link && link->getHidInterface() && link->getHidInterface()->isRunning());
    // The start-up inquiry ran to its end before the arrival finished.
    QVERIFY(link->isInquireOver());
    QCOMPARE(m_roster->currentPath() == path, becomesCurrent);
    QCOMPARE(m_roster->currentLink() == link, becomesCurrent);
    QCOMPARE(none.count(), becomesCurrent ? 0 : 1);
    QCOMPARE(handled.count(), 1);

    // The same scan again finds nothing new: one link per keyboard.
    m_roster->handleChange(DeviceRoster::Arrival);
    QCOMPARE(created.count(), 1);
    QCOMPARE(handled.count(), 1);
    QCOMPARE(m_roster->linkMap().size(), 1);
}

void tst_DeviceRoster::removalMakesNextUsableDeviceCurrent_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("reached");
    QTest::addColumn<bool>("becomesCurrent");
    QTest::newRow("cable") << false << false << true;
    QTest::newRow("receiver within reach") << true << true << true;
    QTest::newRow("receiver out of reach") << true << false << false;
}

void tst_DeviceRoster::removalMakesNextUsableDeviceCurrent()
{
    QFETCH(bool, receiver);
    QFETCH(bool, reached);
    QFETCH(bool, becomesCurrent);
    const QString first = arrive("Aster104");
    const QString second = arrive("Breeze84W", receiver);
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    if (reached)
        m_roster->handleDongleStatus(0, second);
    // The first device stays current while another arrives or is reached.
    QCOMPARE(m_roster->currentPath(), first);

    QSignalSpy removed(m_roster.get(), &DeviceRoster::deviceRemoved);
    QSignalSpy leaving(m_roster.get(), &DeviceRoster::currentLeaving);
    QSignalSpy none(m_roster.get(), &DeviceRoster::noCurrentDevice);
    QSignalSpy handled(m_roster.get(), &DeviceRoster::changeHandled);
    remove(m_ids.value(first));

    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(0).toString(), first);
    // The card keeps the model's offline record: its name in place of the path.
    const auto offline = removed.first().at(1).value<hidStructInfoAll>();
    QCOMPARE(QString(offline.hidPath), QString("Aster104"));
    QCOMPARE(offline.isOnline, 0);
    QCOMPARE(leaving.count(), 1);
    QCOMPARE(m_roster->hidInfoMap().keys(), QStringList{second});
    QVERIFY(!m_roster->dongleStateMap().contains(first));
    QVERIFY(!m_roster->linkMap().contains(first));
    QCOMPARE(m_roster->currentPath(), becomesCurrent ? second : QString());
    QCOMPARE(m_roster->hasCurrent(), becomesCurrent);
    QCOMPARE(none.count(), becomesCurrent ? 0 : 1);
    QCOMPARE(handled.count(), 1);
    QCOMPARE(handled.first().at(0).toInt(), int(DeviceRoster::Removal));
}

void tst_DeviceRoster::removedKeyboardsLinkIsDeleted_data()
{
    QTest::addColumn<bool>("current");
    QTest::newRow("current device") << true;
    QTest::newRow("other device") << false;
}

void tst_DeviceRoster::removedKeyboardsLinkIsDeleted()
{
    QFETCH(bool, current);
    const QString first = arrive("Aster104");
    const QString second = arrive("Quartz68HE");
    QCOMPARE(m_roster->currentPath(), first);
    const QString gone = current ? first : second;
    const QPointer<DDeviceKeyboardLink> link = m_roster->linkMap().value(gone);
    QVERIFY(link);
    const QPointer<MainHidInterFace> hid = link->getHidInterface();
    QVERIFY(hid && hid->isRunning());

    remove(m_ids.value(gone));
    // Closed at once; deleted, with its joined I/O thread, once control is back in the event loop.
    QTRY_VERIFY_WITH_TIMEOUT(link.isNull(), kWait);
    QVERIFY(hid.isNull());
    QCOMPARE(m_roster->currentPath(), current ? second : first);
    QVERIFY(m_roster->link(m_roster->currentPath()));

    // Plugged again, the keyboard gets a new link; still one per keyboard.
    const QString again = arrive(current ? "Aster104" : "Quartz68HE");
    QVERIFY(m_roster->link(again));
    QCOMPARE(m_roster->linkMap().size(), 2);
    QCOMPARE(m_roster->findChildren<DDeviceKeyboardLink *>().size(), 2);
}

void tst_DeviceRoster::receiverReachesAndLosesItsKeyboard()
{
    const QString path = arrive("Breeze84W", true);
    QVERIFY(!m_roster->hasCurrent());
    QSignalSpy online(m_roster.get(), &DeviceRoster::deviceOnlineChanged);
    QSignalSpy reached(m_roster.get(), &DeviceRoster::keyboardReached);
    QSignalSpy none(m_roster.get(), &DeviceRoster::noCurrentDevice);

    // The receiver's report of its keyboard, as its link hands it on.
    QSignalSpy requested(m_roster.get(), &DeviceRoster::currentRequested);
    m_roster->handleDongleStatus(0, path);
    QCOMPARE(m_roster->dongleStateMap().value(path), 0);
    QCOMPARE(online.count(), 1);
    QCOMPARE(online.first().at(1).value<hidStructInfoAll>().isOnline, 1);
    // The device asked to become current already counts as online.
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().at(0).value<hidStructInfoAll>().isOnline, 1);
    QCOMPARE(reached.count(), 1);
    QCOMPARE(m_roster->currentPath(), path);
    QCOMPARE(m_roster->hidInfoMap().value(path).isOnline, 1);

    // Out of reach: nothing else is usable, but the link stays open for the next report.
    m_roster->handleDongleStatus(1, path);
    QCOMPARE(m_roster->dongleStateMap().value(path), 1);
    QCOMPARE(online.count(), 2);
    QCOMPARE(online.last().at(1).value<hidStructInfoAll>().isOnline, 0);
    QVERIFY(!m_roster->hasCurrent());
    QCOMPARE(none.count(), 1);
    QCOMPARE(m_roster->hidInfoMap().value(path).isOnline, 0);
    DDeviceKeyboardLink *link = m_roster->link(path);
    QVERIFY(link && link->getHidInterface()->isRunning());

    // A report for a device the roster does not list changes no record.
    m_roster->handleDongleStatus(0, "no-such-path");
    QCOMPARE(online.count(), 2);
    QCOMPARE(m_roster->hidInfoMap().keys(), QStringList{path});
}

void tst_DeviceRoster::changesDuringListingAreHeldUntilItEnds()
{
    const int firstId = m_sim->plug("Aster104");
    QVERIFY(firstId > 0);
    const QString first = m_sim->devicePath(firstId);
    QSignalSpy handled(m_roster.get(), &DeviceRoster::changeHandled);
    QSignalSpy added(m_roster.get(), &DeviceRoster::deviceAdded);

    const DeviceListing listing = m_roster->startListing();
    QVERIFY(m_roster->isListing());
    QCOMPARE(listing.hidInfoMap.keys(), QStringList{first});
    QCOMPARE(m_roster->hidInfoMap().keys(), QStringList{first});
    // While the listing opens its devices another keyboard comes and the first one goes.
    const int secondId = m_sim->plug("Quartz68HE");
    QVERIFY(secondId > 0);
    m_roster->handleChange(DeviceRoster::Removal);
    m_roster->handleChange(DeviceRoster::Arrival);
    QVERIFY(m_sim->server().unplug(firstId));
    m_roster->handleChange(DeviceRoster::Removal);
    QCOMPARE(handled.count(), 0);
    QCOMPARE(m_roster->hidInfoMap().keys(), QStringList{first});

    // Each held code is handled once, the arrival first.
    m_roster->finishListing();
    QVERIFY(!m_roster->isListing());
    QCOMPARE(handled.count(), 2);
    QCOMPARE(handled.at(0).at(0).toInt(), int(DeviceRoster::Arrival));
    QCOMPARE(handled.at(1).at(0).toInt(), int(DeviceRoster::Removal));
    QCOMPARE(added.count(), 1);
    QCOMPARE(m_roster->hidInfoMap().keys(), QStringList{m_sim->devicePath(secondId)});

    // Afterwards changes are handled as they come.
    QVERIFY(!arrive("Breeze84W").isEmpty());
    QCOMPARE(handled.count(), 3);
}

QTEST_MAIN(tst_DeviceRoster)
#include "tst_DeviceRoster.moc"
