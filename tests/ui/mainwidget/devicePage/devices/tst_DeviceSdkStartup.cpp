#include "ui/mainwidget/devicePage/devices/DeviceSdkStartup.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// Records the calls a start-up makes, for the cases the real SDK cannot produce.
struct FakeSdk
{
    static inline int initResults[3] = {0, 0, 0};
    static inline QStringList calls;

    static DeviceSdkCalls calls_()
    {
        return {[](char *version) {
                    calls << "version";
                    qstrcpy(version, "fake 1.0");
                },
                [] {
                    calls << "xml";
                    return initResults[0];
                },
                [] {
                    calls << "hid";
                    return initResults[1];
                },
                [] {
                    calls << "light";
                    return initResults[2];
                },
                [](const char *path) {
                    calls << "macro " + QFileInfo(path).fileName();
                    return true;
                },
                [](const char *path) {
                    calls << "senior " + QFileInfo(path).fileName();
                    return true;
                },
                [](const char *path) {
                    calls << "seniorNode " + QFileInfo(path).fileName();
                    return true;
                },
                [](std::list<SupportInfoStu> *list) {
                    calls << "support";
                    list->push_back(SupportInfoStu{});
                }};
    }
};

const char *const loadFailedLine = "-------------------- *** [ Load JL dll Failed ] *** -----------------------";

QString configDir()
{
    const QString dir = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/UserConfig";
    QDir().mkpath(dir);
    return dir;
}

} // namespace

class tst_DeviceSdkStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void realSdkCreatesFilesAndListsSupportedDevices();
    void failedInitialisationStopsTheStartUp_data();
    void failedInitialisationStopsTheStartUp();
    void existingFilesAreLeftAlone();
    void upgradeLibraryEntryPoints_data();
    void upgradeLibraryEntryPoints();
};

void tst_DeviceSdkStartup::init()
{
    FakeSdk::calls.clear();
    FakeSdk::initResults[0] = FakeSdk::initResults[1] = FakeSdk::initResults[2] = 0;
    QDir(configDir()).removeRecursively();
}

void tst_DeviceSdkStartup::realSdkCreatesFilesAndListsSupportedDevices()
{
    const QString dir = configDir();
    DeviceSdkStartup startup;
    QTest::ignoreMessage(QtDebugMsg, loadFailedLine);
    startup.run(dir, "no_such_upgrade_library");
    QVERIFY(startup.isStarted());
    QVERIFY(!startup.version().isEmpty());
    QCOMPARE(QString::fromLocal8Bit(startup.macroXmlPath()), dir + "/appMacro.xml");
    QCOMPARE(QString::fromLocal8Bit(startup.seniorKeyXmlPath()), dir + "/SeniorKeyConfig.xml");
    QVERIFY(QFileInfo(dir + "/appMacro.xml").isFile());
    QVERIFY(QFileInfo(dir + "/SeniorKeyConfig.xml").isFile());
    QVERIFY(!startup.supportInfoList().isEmpty());
    for (const SupportInfoStu &entry : startup.supportInfoList())
        QVERIFY(entry.vidText[0] && entry.pidText[0]);
    QVERIFY(!startup.upgradeEntries().isComplete());
    QVERIFY(!startup.upgradeEntries().loadUfwData);
}

void tst_DeviceSdkStartup::failedInitialisationStopsTheStartUp_data()
{
    QTest::addColumn<int>("failing");
    QTest::newRow("xml") << 0;
    QTest::newRow("hid") << 1;
    QTest::newRow("light") << 2;
}

void tst_DeviceSdkStartup::failedInitialisationStopsTheStartUp()
{
    QFETCH(int, failing);
    FakeSdk::initResults[failing] = -1;
    DeviceSdkStartup startup(FakeSdk::calls_());
    // Nothing is logged: not even the upgrade library's line.
    startup.run(configDir(), FAKE_UPGRADE_FULL);
    QCOMPARE(FakeSdk::calls, (QStringList{"version", "xml", "hid", "light"}));
    QVERIFY(!startup.isStarted());
    QCOMPARE(startup.version(), QString("fake 1.0"));
    QCOMPARE(startup.macroXmlPath()[0], '\0');
    QVERIFY(startup.supportInfoList().isEmpty());
    QVERIFY(!startup.upgradeEntries().loadUfwData);
}

void tst_DeviceSdkStartup::existingFilesAreLeftAlone()
{
    const QString dir = configDir();
    QFile macro(dir + "/appMacro.xml");
    QVERIFY(macro.open(QIODevice::WriteOnly));
    macro.close();
    // A folder of the advanced-key file's name is not the file.
    QVERIFY(QDir(dir).mkdir("SeniorKeyConfig.xml"));
    DeviceSdkStartup startup(FakeSdk::calls_());
    startup.run(dir, FAKE_UPGRADE_FULL);
    QCOMPARE(FakeSdk::calls, (QStringList{"version", "xml", "hid", "light", "senior SeniorKeyConfig.xml",
                                          "seniorNode SeniorKeyConfig.xml", "support"}));
    QCOMPARE(startup.supportInfoList().size(), 1);
}

void tst_DeviceSdkStartup::upgradeLibraryEntryPoints_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<bool>("complete");
    QTest::newRow("all five") << FAKE_UPGRADE_FULL << true;
    QTest::newRow("one missing") << FAKE_UPGRADE_PARTIAL << false;
    QTest::newRow("no library") << configDir() + "/missing" << false;
}

void tst_DeviceSdkStartup::upgradeLibraryEntryPoints()
{
    QFETCH(QString, library);
    QFETCH(bool, complete);
    DeviceSdkStartup startup(FakeSdk::calls_());
    if (!complete)
        QTest::ignoreMessage(QtDebugMsg, loadFailedLine);
    startup.run(configDir(), library);
    const UpgradeLibraryEntries &entries = startup.upgradeEntries();
    QCOMPARE(entries.isComplete(), complete);
    QCOMPARE(entries.queryDevicePidVid != nullptr, complete);
    // Entry points found are kept even when another is missing.
    QCOMPARE(entries.loadUfwData != nullptr, library != configDir() + "/missing");
}

QTEST_GUILESS_MAIN(tst_DeviceSdkStartup)
#include "tst_DeviceSdkStartup.moc"
