#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/FirmwareTransfer.h"
#include "sim/SimServer.h"
#include "tests/support/SimServerFixture.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

std::list<std::string> listedPaths()
{
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    return paths;
}

bool isListed(const std::string &path)
{
    const std::list<std::string> paths = listedPaths();
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

} // namespace

class TestSimUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterUpgradeLeavesThenBootloaderArrives_data();
    void enterUpgradeLeavesThenBootloaderArrives();
    void ignoredEnterUpgradeChangesNothing();
    void upgradeControlLines_data();
    void upgradeControlLines();

private:
    void sendEnterUpgrade(int id);

    std::unique_ptr<SimServerFixture> m_sim;
};

void TestSimUpgrade::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
}

void TestSimUpgrade::cleanup()
{
    m_sim.reset();
}

void TestSimUpgrade::sendEnterUpgrade(int id)
{
    const std::string path = m_sim->server().devicePath(id);
    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    const unsigned char enter[64] = {1, 0x0A};
    QCOMPARE(CVorlanHid_HidWriteBuff(handle, enter, path.c_str()), 64);
    CVorlanHid_Close(handle);
}

void TestSimUpgrade::enterUpgradeLeavesThenBootloaderArrives_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("ids");
    QTest::newRow("256 KB layout") << "Aster104"
                                   << "vid_0416&pid_3f00";
    QTest::newRow("upper-case spelling") << "Cinder104"
                                         << "vid_0416&pid_3F00";
    QTest::newRow("512 KB layout") << "Breeze84W"
                                   << "vid_1fc9&pid_f7df";
    QTest::newRow("receiver model") << "Ember84"
                                    << "vid_0416&pid_3f01";
}

void TestSimUpgrade::enterUpgradeLeavesThenBootloaderArrives()
{
    QFETCH(QString, model);
    QFETCH(QString, ids);
    const int id = m_sim->server().plug(model.toStdString(), "", false, nullptr);
    const std::string keyboard = m_sim->server().devicePath(id);
    m_sim->server().execute("upgrade " + std::to_string(id) + " delay leave 400");
    m_sim->server().execute("upgrade " + std::to_string(id) + " delay arrive 100");
    sendEnterUpgrade(id);
    // No reply, and the keyboard is still there right after the report.
    QVERIFY(isListed(keyboard));
    QTRY_VERIFY_WITH_TIMEOUT(!isListed(keyboard), 2000);
    QVERIFY(listedPaths().empty());
    std::string bootloader;
    QTRY_VERIFY_WITH_TIMEOUT(!(bootloader = listedPaths().empty() ? std::string() : listedPaths().front()).empty(),
                             2000);
    QVERIFY2(QString::fromStdString(bootloader).startsWith("hid#" + ids + "&mi_00#"), bootloader.c_str());
    // A bootloader is no keyboard for the device list.
    hidStu hid;
    FirmwareInfoStu firmware;
    QVERIFY(!CVorlanHid_GetHidAndFirmwareInfoStu(bootloader.c_str(), &hid, &firmware));
    QVERIFY(CVorlanHid_OpenPath(bootloader.c_str()) != 0);
}

void TestSimUpgrade::ignoredEnterUpgradeChangesNothing()
{
    const int id = m_sim->server().plug("Aster104", "", false, nullptr);
    const std::string keyboard = m_sim->server().devicePath(id);
    QCOMPARE(m_sim->server().execute("upgrade " + std::to_string(id) + " ignore on"), std::string("OK"));
    m_sim->server().execute("upgrade " + std::to_string(id) + " delay leave 0");
    m_sim->server().execute("upgrade " + std::to_string(id) + " delay arrive 0");
    sendEnterUpgrade(id);
    QTest::qWait(300);
    QCOMPARE(listedPaths(), std::list<std::string>{keyboard});

    // A ".ufw" model's drive is no HID interface: nothing new is listed.
    const int quartz = m_sim->server().plug("Quartz68HE", "", false, nullptr);
    const std::string quartzPath = m_sim->server().devicePath(quartz);
    m_sim->server().execute("upgrade " + std::to_string(quartz) + " delay leave 0");
    m_sim->server().execute("upgrade " + std::to_string(quartz) + " delay arrive 0");
    sendEnterUpgrade(quartz);
    QTRY_VERIFY_WITH_TIMEOUT(!isListed(quartzPath), 2000);
    QTest::qWait(200);
    QCOMPARE(listedPaths(), std::list<std::string>{keyboard});
    QVERIFY(QFile::exists(qEnvironmentVariable("VORLAN_SIM_DIR") + "/drive-E-" + QString::number(quartz) + ".sock"));
}

void TestSimUpgrade::upgradeControlLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("fail next END") << "failend 2" << true;
    QTest::newRow("vanish and return") << "vanish 50 300" << true;
    QTest::newRow("vanish for good") << "vanish 99 never" << true;
    QTest::newRow("vanish off") << "vanish off" << true;
    QTest::newRow("vanish over 100 %") << "vanish 101" << false;
    QTest::newRow("drive letter") << "letter G" << true;
    QTest::newRow("lower-case letter") << "letter g" << false;
    QTest::newRow("product too long") << "product ABCDEFGHIJKLMNOPQ" << false;
    QTest::newRow("unknown delay") << "delay soon 5" << false;
    QTest::newRow("switch without on/off") << "dropend yes" << false;
}

void TestSimUpgrade::upgradeControlLines()
{
    QFETCH(QString, line);
    QFETCH(bool, accepted);
    const int id = m_sim->server().plug("Aster104", "", false, nullptr);
    const std::string answer = m_sim->server().execute("upgrade " + std::to_string(id) + " " + line.toStdString());
    QCOMPARE(answer == "OK", accepted);
    if (!accepted)
        QVERIFY(answer.compare(0, 4, "ERR ") == 0);
}

QTEST_GUILESS_MAIN(TestSimUpgrade)
#include "tst_SimUpgrade.moc"
