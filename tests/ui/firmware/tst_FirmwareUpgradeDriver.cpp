#include "ui/firmware/FirmwareUpgradeDriver.h"

#include "device/HidCmdReport.h"
#include "resources/VorlanResources.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "tests/support/SimServerFixture.h"
#include "tests/ui/firmware/FirmwareFixtures.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"
#include "ui/mainwidget/devicePage/devices/HotPlugGate.h"
#include "widgets/CbNotice.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cstring>

using namespace FirmwareFixtures;

namespace {

// The upgrade library's side for the drive route: answers at one letter, or not at all.
struct FakeLibrary
{
    static inline std::atomic<int> queries{0};
    static inline std::atomic<int> upgrades{0};
    static inline char answeringLetter = 'E';
    static inline int otherResult = -5;
    static inline int upgradeResult = 0;

    static void reset(char letter, int other, int upgrade)
    {
        queries = 0;
        upgrades = 0;
        answeringLetter = letter;
        otherResult = other;
        upgradeResult = upgrade;
    }
    static int load(const unsigned char *, int) { return 0; }
    static int crc(unsigned short *, unsigned int *) { return 0; }
    static int pidVid(char *product, int productSize, char *version, int versionSize)
    {
        qstrncpy(product, "Quartz68HE", static_cast<uint>(productSize));
        std::memcpy(version, "V105", static_cast<size_t>(std::min(versionSize, 4)));
        return 0;
    }
    static int query(char letter, char *, int, char *, int)
    {
        ++queries;
        return letter == answeringLetter ? 0 : otherResult;
    }
    static int upgrade(char, int, int, JL_UpgradeProgress progress)
    {
        ++upgrades;
        for (int percent : {0, 40, 100})
            progress(percent);
        return upgradeResult;
    }
    static UfwLibraryCalls calls()
    {
        UfwLibraryCalls calls;
        calls.loadUfwData = load;
        calls.getUfwCrc = crc;
        calls.getUfwPidVid = pidVid;
        calls.queryDevicePidVid = query;
        calls.upgradeDevice = upgrade;
        return calls;
    }
};

QStringList g_log;
void collectLog(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_log.append(message);
}

// The program's record of a simulated keyboard, as the device page builds it.
hidStructInfoAll listedRecord(const QString &path)
{
    std::map<std::string, HidInfoStu> models;
    CVorlanHid_GetHidInfoStuMapList(&models);
    hidStu hid;
    FirmwareInfoStu firmware;
    if (!CVorlanHid_GetHidAndFirmwareInfoStu(path.toLatin1().constData(), &hid, &firmware))
        return hidStructInfoAll{};
    for (const auto &model : models) {
        if (model.first == firmware.model)
            return DeviceRecordBuilder::connected(model.second, hid, firmware);
    }
    return hidStructInfoAll{};
}

QStringList bootloaderPaths()
{
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    QStringList bootloaders;
    for (const std::string &path : paths) {
        if (HotPlugGate::isUpgradeModeDevice(QString::fromStdString(path)))
            bootloaders.append(QString::fromStdString(path));
    }
    return bootloaders;
}

// What the row's channel does with an Update click: the enter-upgrade report.
bool sendEnterUpgrade(const QString &path)
{
    const QByteArray latin1 = path.toLatin1();
    const intptr_t handle = CVorlanHid_OpenPath(latin1.constData());
    if (handle == 0)
        return false;
    const HidCmdReport report(CMD_ENTER_UPGRADE);
    const bool sent = CVorlanHid_HidWriteBuff(handle, report.data(), latin1.constData()) > 0;
    CVorlanHid_Close(handle);
    return sent;
}

QJsonObject dump(SimServerFixture &sim, int id)
{
    const std::string answer = sim.server().execute("dump " + std::to_string(id));
    return QJsonDocument::fromJson(QByteArray::fromStdString(answer).mid(3)).object();
}

} // namespace

class TestFirmwareUpgradeDriver : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void automaticCheckOnlyAfterVersionChange();
    void manualCheckOpensAtOnceWithoutOverlay();
    void drivenProbe_data();
    void drivenProbe();
    void closingDuringAttemptDropsReports();
    void binAttemptsAgainstSimulator_data();
    void binAttemptsAgainstSimulator();
    void stuckBootloaderOfAnotherModelIsSkipped();

private:
    std::unique_ptr<FirmwareUpgradeDriver> makeDriver(UfwLibraryCalls calls = FakeLibrary::calls(),
                                                      const QString &imageFolder = QString());
    // Runs the started ".bin" upgrade to its end, passing bootloader arrivals on as the main
    // window does; returns the success and failure reports.
    QPair<int, int> runBinUpgrade(FirmwareUpgradeDriver *driver, const QString &path);
    void clickUpdate(int row);

    std::unique_ptr<QTemporaryDir> m_images;
    std::unique_ptr<QWidget> m_window;
    QMap<QString, hidStructInfoAll> m_devices;
    bool m_versionChanged = true;
    FirmwareUpgradeTimings m_timings;
};

void TestFirmwareUpgradeDriver::init()
{
    m_images = std::make_unique<QTemporaryDir>();
    const QString folder = m_images->path() + "/";
    QVERIFY(writeFile(folder + "Aster104.bin", binImage(false, "CHIPA,01,KB,VL,Aster104,V1.00.10")));
    QVERIFY(writeFile(folder + "Quartz68HE.ufw", QByteArray("container")));
    m_window = std::make_unique<QWidget>();
    m_window->resize(1000, 700);
    m_window->show();
    m_devices.clear();
    m_devices.insert("p3", device("p3", "Aster104", "V1.00.10")); // already at the image's version
    m_devices.insert("p2", device("p2", "Quartz68HE", "V100"));
    m_devices.insert("p1", device("p1", "Aster104", "V1.00.06"));
    m_versionChanged = true;
    m_timings = FirmwareUpgradeTimings();
    m_timings.checkDelayMs = 300;
    m_timings.openDelayMs = 200;
    m_timings.ufwPauseMs = 10;
    m_timings.bootloaderWaitMs = 2000;
    g_log.clear();
}

void TestFirmwareUpgradeDriver::cleanup()
{
    qInstallMessageHandler(nullptr);
    m_window.reset();
}

std::unique_ptr<FirmwareUpgradeDriver> TestFirmwareUpgradeDriver::makeDriver(UfwLibraryCalls calls,
                                                                             const QString &imageFolder)
{
    FirmwareUpgradeDriver::Sources sources;
    sources.hidInfoMap = [this] { return m_devices; };
    sources.deviceLinkMap = [] { return QMap<QString, QPointer<DDeviceKeyboardLink>>(); };
    sources.appVersionChanged = [this] { return m_versionChanged; };
    return std::make_unique<FirmwareUpgradeDriver>(m_window.get(), sources, calls, BootloaderCalls::real(), m_timings,
                                                   imageFolder.isEmpty() ? m_images->path() + "/" : imageFolder);
}

void TestFirmwareUpgradeDriver::automaticCheckOnlyAfterVersionChange()
{
    m_versionChanged = false;
    auto quiet = makeDriver();
    quiet->onHaveCheckUpgradeFirmwareNUC();
    QTest::qWait(m_timings.checkDelayMs + m_timings.openDelayMs + 300);
    QVERIFY(!quiet->upgradeDialog());
    QVERIFY(quiet->upgradeList().isEmpty());
    quiet.reset();

    m_versionChanged = true;
    auto driver = makeDriver();
    QElapsedTimer clock;
    clock.start();
    driver->onHaveCheckUpgradeFirmwareNUC();
    QTRY_VERIFY(!driver->upgradeList().isEmpty());
    QVERIFY(clock.elapsed() >= m_timings.checkDelayMs);
    QVERIFY(!driver->upgradeDialog());
    QTRY_VERIFY(driver->upgradeDialog());
    QVERIFY(clock.elapsed() >= m_timings.checkDelayMs + m_timings.openDelayMs);
    QVERIFY(driver->upgradeOverlay()->isVisible());
    QCOMPARE(driver->upgradeOverlay()->styleSheet(), QString("#widget {background-color:rgba(10, 10, 10, 100);}"));

    // The accepted devices in path order, each with the image's version.
    const QList<hidStructInfoAll> list = driver->upgradeList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(text(list[0].hidPath), QString("p1"));
    QCOMPARE(text(list[0].newFirmwareVersion), QString("V1.00.10"));
    QCOMPARE(text(list[1].hidPath), QString("p2"));
    QCOMPARE(text(list[1].newFirmwareVersion), QString("V105"));
    QCOMPARE(driver->upgradeDialog()->rows().size(), 2);
    QCOMPARE(driver->upgradeDialog()->pos(), m_window->pos() + QPoint(130, 90));
}

void TestFirmwareUpgradeDriver::manualCheckOpensAtOnceWithoutOverlay()
{
    auto driver = makeDriver();
    QVERIFY(driver->checkUpgradeDeviceList(true));
    QPointer<DUpdateFirmwareDia> dialog = driver->upgradeDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!driver->upgradeOverlay()->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);

    // A check while the window is open only rebuilds the list.
    m_devices.remove("p2");
    QVERIFY(driver->checkUpgradeDeviceList(true));
    QCOMPARE(driver->upgradeDialog(), dialog.data());
    QCOMPARE(driver->upgradeList().size(), 1);

    m_devices.clear();
    QVERIFY(!driver->checkUpgradeDeviceList(true));
}

void TestFirmwareUpgradeDriver::drivenProbe_data()
{
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("other");
    QTest::addColumn<bool>("withQuery");
    QTest::addColumn<int>("queries");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<bool>("success");
    QTest::newRow("found at E") << 'E' << -5 << true << 5 << QString() << true;
    QTest::newRow("no drive") << '\0' << -5 << true << 26 << "JL m_queryDevicePidVid()  csErrorText: Error -5" << false;
    QTest::newRow("-7 at A") << '\0' << -7 << true << 1 << "JL m_queryDevicePidVid()  csErrorText: Error -1" << false;
    QTest::newRow("absent entry point") << 'E' << -5 << false << 0 << QString() << false;
}

void TestFirmwareUpgradeDriver::drivenProbe()
{
    QFETCH(char, letter);
    QFETCH(int, other);
    QFETCH(bool, withQuery);
    QFETCH(int, queries);
    QFETCH(QString, logLine);
    QFETCH(bool, success);
    FakeLibrary::reset(letter, other, 0);
    UfwLibraryCalls calls = FakeLibrary::calls();
    if (!withQuery)
        calls.queryDevicePidVid = nullptr;
    m_devices.remove("p1");
    auto driver = makeDriver(calls);
    QVERIFY(driver->checkUpgradeDeviceList(true));
    DUpdateFirmwareDia *dialog = driver->upgradeDialog();
    QCOMPARE(dialog->rows().size(), 1);
    QList<int> shown;
    connect(dialog, &DUpdateFirmwareDia::sigUpgradeProgress, this, [&](int percent) { shown.append(percent); });

    qInstallMessageHandler(collectLog);
    dialog->rows().first()->findChild<QPushButton *>("pushButton_Update")->click();
    const QString result = success ? QObject::tr("Update successful") : QObject::tr("Update failed");
    QTRY_COMPARE(dialog->notice()->text(), result);
    qInstallMessageHandler(nullptr);
    QCOMPARE(FakeLibrary::queries.load(), queries);
    QCOMPARE(FakeLibrary::upgrades.load(), success ? 1 : 0);
    if (!logLine.isEmpty())
        QVERIFY2(g_log.contains(logLine), qPrintable(g_log.join('\n')));
    if (success) {
        QCOMPARE(driver->ufwDriveLetter(), QString("E:"));
        QCOMPARE(shown, QList<int>({0, 40, 100}));
    }
}

void TestFirmwareUpgradeDriver::closingDuringAttemptDropsReports()
{
    FakeLibrary::reset('A', -5, 0);
    m_devices.remove("p1");
    auto driver = makeDriver();
    QVERIFY(driver->checkUpgradeDeviceList(false));
    QTRY_VERIFY(driver->upgradeDialog());
    QPointer<DUpdateFirmwareDia> dialog = driver->upgradeDialog();
    QPointer<QWidget> overlay = driver->upgradeOverlay();
    QVERIFY(overlay->isVisible());
    dialog->rows().first()->findChild<QPushButton *>("pushButton_Update")->click();
    // Closed before the worker's reports are handled.
    QTest::keyClick(dialog.data(), Qt::Key_Escape);
    QVERIFY(!driver->upgradeDialog());
    QVERIFY(!overlay->isVisible());
    QTRY_VERIFY(dialog.isNull());
    QTRY_COMPARE(FakeLibrary::upgrades.load(), 1);
    QTest::qWait(100);

    QVERIFY(driver->checkUpgradeDeviceList(true));
    QVERIFY(driver->upgradeDialog());
    QVERIFY(driver->upgradeDialog() != dialog.data());
}

QPair<int, int> TestFirmwareUpgradeDriver::runBinUpgrade(FirmwareUpgradeDriver *driver, const QString &path)
{
    DUpdateFirmwareDia *dialog = driver->upgradeDialog();
    QSignalSpy successes(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failures(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QStringList seen = bootloaderPaths();
    QTimer arrivals;
    connect(&arrivals, &QTimer::timeout, this, [&] {
        const QStringList now = bootloaderPaths();
        for (const QString &bootloader : now) {
            if (!seen.contains(bootloader))
                QTimer::singleShot(m_timings.bootloaderSettleMs, driver,
                                   &FirmwareUpgradeDriver::ontheHidIntoFirmwareUpgrade);
        }
        seen = now;
    });
    arrivals.start(50);
    if (!sendEnterUpgrade(path))
        return {-1, -1};
    dialog->rows().first()->findChild<QPushButton *>("pushButton_Update")->click();
    QElapsedTimer clock;
    clock.start();
    while (successes.count() + failures.count() == 0 && clock.elapsed() < 60000)
        QTest::qWait(50);
    // Nothing more may follow.
    QTest::qWait(1500);
    return {successes.count(), failures.count()};
}

void TestFirmwareUpgradeDriver::binAttemptsAgainstSimulator_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("successes");
    QTest::addColumn<int>("failures");
    QTest::newRow("no fault") << QString() << 1 << 0;
    QTest::newRow("one failed attempt") << "failend 1" << 1 << 0;
    QTest::newRow("three failed attempts") << "failend 3" << 1 << 0;
    QTest::newRow("four failed attempts") << "failend 4" << 0 << 1;
    QTest::newRow("vanishes for good") << "vanish 50 never" << 0 << 1;
}

void TestFirmwareUpgradeDriver::binAttemptsAgainstSimulator()
{
    QFETCH(QString, fault);
    QFETCH(int, successes);
    QFETCH(int, failures);
    initVorlanResources();
    SimServerFixture sim;
    QVERIFY(sim.isRunning());
    const int id = sim.plug("Aster104");
    QVERIFY(id > 0);
    if (!fault.isEmpty())
        QCOMPARE(sim.server().execute(QString("upgrade %1 %2").arg(id).arg(fault).toStdString()), std::string("OK"));
    const QString path = sim.devicePath(id);
    m_devices.clear();
    m_devices.insert(path, listedRecord(path));
    m_timings.bootloaderWaitMs = 20000;
    auto driver = makeDriver(FakeLibrary::calls(), ":/images/UpdateFirmwareFile/");
    QVERIFY(driver->checkUpgradeDeviceList(true));
    const QString newVersion = driver->upgradeDialog()->rows().first()->getNewVersion();
    QCOMPARE(runBinUpgrade(driver.get(), path), qMakePair(successes, failures));
    if (successes)
        QTRY_COMPARE_WITH_TIMEOUT(dump(sim, id).value("firmware").toObject().value("version").toString(), newVersion,
                                  20000);
}

void TestFirmwareUpgradeDriver::stuckBootloaderOfAnotherModelIsSkipped()
{
    initVorlanResources();
    SimServerFixture sim;
    QVERIFY(sim.isRunning());
    const int stuck = sim.plug("Ember84");
    QVERIFY(stuck > 0);
    const QString stuckVersion = dump(sim, stuck).value("firmware").toObject().value("version").toString();
    QVERIFY(sendEnterUpgrade(sim.devicePath(stuck)));
    QTRY_COMPARE_WITH_TIMEOUT(bootloaderPaths().size(), 1, 20000);

    const int chosen = sim.plug("Aster104");
    const QString path = sim.devicePath(chosen);
    m_devices.clear();
    m_devices.insert(path, listedRecord(path));
    m_timings.bootloaderWaitMs = 20000;
    auto driver = makeDriver(FakeLibrary::calls(), ":/images/UpdateFirmwareFile/");
    QVERIFY(driver->checkUpgradeDeviceList(true));
    QCOMPARE(runBinUpgrade(driver.get(), path), qMakePair(1, 0));
    QCOMPARE(bootloaderPaths().size() >= 1, true);
    QCOMPARE(dump(sim, stuck).value("firmware").toObject().value("version").toString(), stuckVersion);
}

QTEST_MAIN(TestFirmwareUpgradeDriver)
#include "tst_FirmwareUpgradeDriver.moc"
