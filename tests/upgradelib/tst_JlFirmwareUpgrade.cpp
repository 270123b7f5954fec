#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/FirmwareImageFormat.h"
#include "sim/SimServer.h"
#include "tests/support/SimServerFixture.h"
#include "tools/fwimage/FirmwareImageBuilder.h"
#include "upgradelib/JlUpgradeApi.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QtTest>

#include <cstring>

namespace {

std::vector<int> g_percents;
void recordPercent(int percent)
{
    g_percents.push_back(percent);
}

} // namespace

class TestJlFirmwareUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadingChecksTheContainer_data();
    void loadingChecksTheContainer();
    void outputsStayInTheirBuffers();
    void driveIsFoundAtItsLetterOnly();
    void upgradeOfTheDrive_data();
    void upgradeOfTheDrive();

private:
    QJsonObject dump(int id);
    bool waitForMode(int id, const QString &mode, int timeoutMs);
    int enterDrive(const std::string &model);
    int load(const std::vector<uint8_t> &bytes) { return m_load(bytes.data(), static_cast<int>(bytes.size())); }

    QLibrary m_library;
    JL_loadUfwDataFn m_load = nullptr;
    JL_getUfwCrcFn m_crc = nullptr;
    JL_getUfwPidVidFn m_pidVid = nullptr;
    JL_queryDevicePidVidFn m_query = nullptr;
    JL_upgradeDeviceFn m_upgrade = nullptr;
    std::unique_ptr<SimServerFixture> m_sim;
};

void TestJlFirmwareUpgrade::initTestCase()
{
    // Short waits for the library's copy of the protocol too.
    qputenv("VORLAN_UPGRADE_TIMEOUTS", "40,300,4");
    m_library.setFileName(QCoreApplication::applicationDirPath() + "/jl_firmware_upgrade_x86");
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_load = reinterpret_cast<JL_loadUfwDataFn>(m_library.resolve("JL_loadUfwData"));
    m_crc = reinterpret_cast<JL_getUfwCrcFn>(m_library.resolve("JL_getUfwCrc"));
    m_pidVid = reinterpret_cast<JL_getUfwPidVidFn>(m_library.resolve("JL_getUfwPidVid"));
    m_query = reinterpret_cast<JL_queryDevicePidVidFn>(m_library.resolve("JL_queryDevicePidVid"));
    m_upgrade = reinterpret_cast<JL_upgradeDeviceFn>(m_library.resolve("JL_upgradeDevice"));
    QVERIFY(m_load && m_crc && m_pidVid && m_query && m_upgrade);
    QCOMPARE(CVorlanHid_Init(), 0);
}

void TestJlFirmwareUpgrade::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    g_percents.clear();
}

void TestJlFirmwareUpgrade::cleanup()
{
    m_sim.reset();
}

QJsonObject TestJlFirmwareUpgrade::dump(int id)
{
    const std::string answer = m_sim->server().execute("dump " + std::to_string(id));
    return QJsonDocument::fromJson(QByteArray::fromStdString(answer.substr(3))).object();
}

bool TestJlFirmwareUpgrade::waitForMode(int id, const QString &mode, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (dump(id).value("mode").toString() == mode)
            return true;
        QThread::msleep(10);
    }
    return false;
}

int TestJlFirmwareUpgrade::enterDrive(const std::string &model)
{
    const int id = m_sim->server().plug(model, "", false, nullptr);
    for (const char *line : {"delay leave 5", "delay arrive 5", "delay return 5"})
        m_sim->server().execute("upgrade " + std::to_string(id) + " " + line);
    const std::string path = m_sim->server().devicePath(id);
    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    const unsigned char enter[64] = {1, 0x0A};
    CVorlanHid_HidWriteBuff(handle, enter, path.c_str());
    CVorlanHid_Close(handle);
    return id;
}

void TestJlFirmwareUpgrade::loadingChecksTheContainer_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("result");
    QTest::newRow("bad magic") << "ufw-bad-magic" << int(JL_ERR_MAGIC);
    QTest::newRow("header CRC") << "ufw-header-crc" << int(JL_ERR_HEADER_CRC);
    QTest::newRow("payload CRC") << "ufw-payload-crc" << int(JL_ERR_PAYLOAD_CRC);
    QTest::newRow("truncated") << "ufw-truncated" << int(JL_ERR_LENGTH);
    QTest::newRow("zero length") << "ufw-empty" << int(JL_ERR_LENGTH);
    QTest::newRow("length field past the data") << "ufw-length-past" << int(JL_ERR_LENGTH);
    QTest::newRow("a .bin image") << "older-version" << int(JL_ERR_MAGIC);
}

void TestJlFirmwareUpgrade::loadingChecksTheContainer()
{
    QFETCH(QString, fixture);
    QFETCH(int, result);
    std::vector<uint8_t> good, bad;
    std::string error;
    QVERIFY(FirmwareImageBuilder::buildUfw("Quartz68HE", "V105", "seed", &good, &error));
    QVERIFY(FirmwareImageBuilder::buildFixture(fixture.toStdString(), &bad, &error));

    QCOMPARE(load(good), 0);
    UfwHeader header;
    QVERIFY(UfwHeader::parse(good.data(), good.size(), &header) == UfwHeader::Check::Ok);
    unsigned short crc16 = 0;
    unsigned int crc32 = 0;
    QCOMPARE(m_crc(&crc16, &crc32), 0);
    QCOMPARE(crc16, header.headerCrc);
    QCOMPARE(crc32, header.payloadCrc);
    // The library keeps its own copy: the caller's buffer may go at once.
    std::fill(good.begin(), good.end(), 0);
    char product[17], version[4];
    QCOMPARE(m_pidVid(product, 17, version, 4), 0);
    QCOMPARE(QByteArray(product), QByteArray("Quartz68HE"));
    QCOMPARE(QByteArray(version, 4), QByteArray("V105"));

    // A failed load leaves no image loaded.
    QCOMPARE(bad.empty() ? m_load(nullptr, 0) : load(bad), result);
    QCOMPARE(m_crc(&crc16, &crc32), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_pidVid(product, 17, version, 4), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_upgrade('E', 1, 1, recordPercent), int(JL_ERR_ARGUMENT));
    QVERIFY(g_percents.empty());
}

void TestJlFirmwareUpgrade::outputsStayInTheirBuffers()
{
    std::vector<uint8_t> image;
    std::string error;
    QVERIFY(FirmwareImageBuilder::buildUfw("SixteenCharsLong", "V105", "seed", &image, &error));
    QCOMPARE(load(image), 0);
    char product[20], version[8];
    std::memset(product, 'x', sizeof(product));
    std::memset(version, 'x', sizeof(version));
    QCOMPARE(m_pidVid(product, 17, version, 4), 0);
    QCOMPARE(QByteArray(product), QByteArray("SixteenCharsLong"));
    QCOMPARE(QByteArray(version, 4), QByteArray("V105"));
    QCOMPARE(QByteArray(product + 17, 3), QByteArray("xxx"));
    QCOMPARE(QByteArray(version + 4, 4), QByteArray("xxxx"));
    // A smaller product buffer gets a cut, terminated text.
    QCOMPARE(m_pidVid(product, 5, version, 4), 0);
    QCOMPARE(QByteArray(product), QByteArray("Sixt"));
}

void TestJlFirmwareUpgrade::driveIsFoundAtItsLetterOnly()
{
    const int id = enterDrive("Quartz68HE");
    QVERIFY(waitForMode(id, "drive", 2000));
    QString answering;
    char product[16], version[8];
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const int result = m_query(letter, product, 16, version, 8);
        QVERIFY(result == 0 || result == JL_ERR_NO_DEVICE);
        if (result == 0)
            answering += letter;
    }
    QCOMPARE(answering, QString("E"));
    QCOMPARE(m_query('E', product, 16, version, 8), 0);
    QCOMPARE(QByteArray(product), QByteArray("Quartz68HE"));
    QCOMPARE(QByteArray(version), QByteArray("V104"));
    // The drive is no HID interface: the SDK does not list it.
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    QVERIFY(paths.empty());
}

void TestJlFirmwareUpgrade::upgradeOfTheDrive_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    QTest::newRow("none") << "" << 0;
    QTest::newRow("another product") << "product Flint68HE" << int(JL_ERR_PRODUCT);
    QTest::newRow("vanish") << "vanish 50 never" << int(JL_ERR_DEVICE_GONE);
    QTest::newRow("verification fails") << "verifyfail on" << int(JL_ERR_VERIFY);
}

void TestJlFirmwareUpgrade::upgradeOfTheDrive()
{
    QFETCH(QString, fault);
    QFETCH(int, result);
    std::vector<FirmwareImageBuilder::Image> images;
    std::string error;
    QVERIFY(FirmwareImageBuilder::buildBuiltInSet(&images, &error));
    const auto image = std::find_if(images.begin(), images.end(), [](const FirmwareImageBuilder::Image &i) {
        return i.fileName == "Quartz68HE.ufw";
    });
    QCOMPARE(load(image->bytes), 0);

    const int id = enterDrive("Quartz68HE");
    QVERIFY(waitForMode(id, "drive", 2000));
    if (!fault.isEmpty())
        QCOMPARE(m_sim->server().execute("upgrade " + std::to_string(id) + " " + fault.toStdString()),
                 std::string("OK"));
    QCOMPARE(m_upgrade('E', 1, 1, recordPercent), result);
    if (result != 0) {
        QCOMPARE(dump(id).value("firmwareVersion").toString(), QString("V104"));
        return;
    }
    QCOMPARE(g_percents.front(), 0);
    QCOMPARE(g_percents.back(), 100);
    QVERIFY(std::is_sorted(g_percents.begin(), g_percents.end()));
    QVERIFY(g_percents.size() > 10);
    QVERIFY(waitForMode(id, "keyboard", 3000));
    QCOMPARE(dump(id).value("firmwareVersion").toString(), QString("V105"));
}

QTEST_GUILESS_MAIN(TestJlFirmwareUpgrade)
#include "tst_JlFirmwareUpgrade.moc"
