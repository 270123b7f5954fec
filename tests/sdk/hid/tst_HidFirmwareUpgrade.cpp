#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/FirmwareImageFormat.h"
#include "sdk/protocol/FirmwareTransfer.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sim/SimServer.h"
#include "tests/support/SimServerFixture.h"
#include "tools/fwimage/FirmwareImageBuilder.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// Short protocol waits: a dropped reply costs 120 ms (room for a reply on a loaded machine under the
// sanitizers), the device leaves 1.2 s after a good END.
const FirmwareTransfer::Timeouts kTestTimeouts{120, 300, 4};

std::vector<std::pair<int, int>> g_progress;
void recordProgress(int total, int current)
{
    g_progress.emplace_back(total, current);
}

} // namespace

class TestHidFirmwareUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void flashingUnderFaults_data();
    void flashingUnderFaults();
    void refusedEndKeepsTheBootloaderForARetry();
    void keyboardPathGetsIdentOnly();
    void otherModelsBootloaderGetsIdentOnly();
    void badFilesAreRefusedBeforeTheDevice();

private:
    // Plugs the model, sends the enter-upgrade report and waits for its bootloader in the path list.
    std::string enterBootloader(const std::string &model, bool receiver, int *id);
    QJsonObject dump(int id);
    std::string imageFile(const std::string &name);
    bool waitForMode(int id, const QString &mode, int timeoutMs);

    QTemporaryDir m_temp;
    std::unique_ptr<SimServerFixture> m_sim;
    std::vector<FirmwareImageBuilder::Image> m_images;
};

void TestHidFirmwareUpgrade::initTestCase()
{
    FirmwareTransfer::Timeouts::set(kTestTimeouts);
    std::string error;
    QVERIFY2(FirmwareImageBuilder::buildBuiltInSet(&m_images, &error), error.c_str());
    QCOMPARE(CVorlanHid_Init(), 0);
}

void TestHidFirmwareUpgrade::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    g_progress.clear();
}

void TestHidFirmwareUpgrade::cleanup()
{
    m_sim.reset();
}

std::string TestHidFirmwareUpgrade::imageFile(const std::string &name)
{
    const std::string path = (m_temp.path() + "/").toStdString() + name;
    for (const FirmwareImageBuilder::Image &image : m_images) {
        if (image.fileName == name) {
            QFile file(QString::fromStdString(path));
            if (file.open(QIODevice::WriteOnly))
                file.write(reinterpret_cast<const char *>(image.bytes.data()), image.bytes.size());
        }
    }
    return path;
}

QJsonObject TestHidFirmwareUpgrade::dump(int id)
{
    const std::string answer = m_sim->server().execute("dump " + std::to_string(id));
    return QJsonDocument::fromJson(QByteArray::fromStdString(answer.substr(3))).object();
}

bool TestHidFirmwareUpgrade::waitForMode(int id, const QString &mode, int timeoutMs)
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

std::string TestHidFirmwareUpgrade::enterBootloader(const std::string &model, bool receiver, int *id)
{
    *id = m_sim->server().plug(model, "SERIAL" + model, receiver, nullptr);
    const std::string ids = std::to_string(*id);
    for (const char *line : {"delay leave 5", "delay arrive 5", "delay return 5"})
        m_sim->server().execute("upgrade " + ids + " " + line);
    const std::string keyboardPath = m_sim->server().devicePath(*id);
    const intptr_t handle = CVorlanHid_OpenPath(keyboardPath.c_str());
    const unsigned char enter[64] = {1, 0x0A};
    CVorlanHid_HidWriteBuff(handle, enter, keyboardPath.c_str());
    CVorlanHid_Close(handle);
    if (!waitForMode(*id, "bootloader", 2000))
        return {};
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(model);
    for (const std::string &path : paths) {
        HidDevicePath parsed;
        if (HidDevicePath::parse(path, &parsed) && parsed.vid == row->bootloaderVid && parsed.pid == row->bootloaderPid)
            return path;
    }
    return {};
}

void TestHidFirmwareUpgrade::flashingUnderFaults_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("none, 256 KB layout") << "Aster104" << false << "Aster104.bin"
                                         << "" << true;
    QTest::newRow("none, 512 KB layout behind a receiver") << "Breeze84W" << true << "Breeze84W_Dongle.bin"
                                                           << "" << true;
    QTest::newRow("every 10th acknowledgement dropped") << "Aster104" << false << "Aster104.bin"
                                                        << "dropack 10" << true;
    QTest::newRow("reply to END dropped") << "Aster104" << false << "Aster104.bin"
                                          << "dropend on" << true;
    QTest::newRow("vanish at 0 %") << "Aster104" << false << "Aster104.bin"
                                   << "vanish 0 never" << false;
    QTest::newRow("vanish at 50 %") << "Aster104" << false << "Aster104.bin"
                                    << "vanish 50 never" << false;
    QTest::newRow("vanish at 99 %") << "Aster104" << false << "Aster104.bin"
                                    << "vanish 99 never" << false;
}

void TestHidFirmwareUpgrade::flashingUnderFaults()
{
    QFETCH(QString, model);
    QFETCH(bool, receiver);
    QFETCH(QString, image);
    QFETCH(QString, fault);
    QFETCH(bool, succeeds);
    int id = 0;
    const std::string path = enterBootloader(model.toStdString(), receiver, &id);
    QVERIFY(!path.empty());
    if (!fault.isEmpty())
        QCOMPARE(m_sim->server().execute("upgrade " + std::to_string(id) + " " + fault.toStdString()),
                 std::string("OK"));
    const std::string file = imageFile(image.toStdString());
    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    QVERIFY(handle != 0);
    QElapsedTimer timer;
    timer.start();
    // The size argument is what callers pass for every image, shorter than a 512 KB-layout image.
    const int result = CVorlanHid_FirmwareUpgrade(handle, file.c_str(), 262144, 0, receiver ? 1 : 0, recordProgress);
    CVorlanHid_Close(handle);

    QFile bytes(QString::fromStdString(file));
    QVERIFY(bytes.open(QIODevice::ReadOnly));
    const QByteArray content = bytes.readAll();
    const int packets = (content.size() + 55) / 56;
    if (!succeeds) {
        QVERIFY(result != 0);
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(dump(id).value("firmwareVersion").toString(), QString("V1.00.06"));
        return;
    }
    QCOMPARE(result, 0);
    QCOMPARE(g_progress.front(), std::make_pair(packets, 0));
    QCOMPARE(g_progress.back(), std::make_pair(packets, packets));
    QVERIFY(std::is_sorted(g_progress.begin(), g_progress.end()));
    QVERIFY2(
        waitForMode(id, "keyboard", 3000),
        qPrintable(dump(id).value("mode").toString() + QJsonDocument(dump(id).value("upgrade").toObject()).toJson()));
    const QJsonObject state = dump(id);
    QCOMPARE(state.value("firmwareVersion").toString(), QString("V1.00.10"));
    QCOMPARE(state.value("serial").toString(), "SERIAL" + model);
    const QJsonObject upgrade = state.value("upgrade").toObject();
    QCOMPARE(upgrade.value("imagesWritten").toInt(), 1);
    QCOMPARE(upgrade.value("bytesReceived").toInt(), content.size());
    QCOMPARE(upgrade.value("connectionReceived").toInt(), receiver ? 1 : 0);
    const uint32_t crc = firmwareCrc32(reinterpret_cast<const uint8_t *>(content.constData()), content.size());
    QCOMPARE(upgrade.value("lastImageCrc").toString(), QString::number(crc, 16).rightJustified(8, '0'));
    // The keyboard is back under its own path, with the image's identity and build time.
    hidStu hid;
    FirmwareInfoStu firmware;
    QVERIFY(CVorlanHid_GetHidAndFirmwareInfoStu(m_sim->server().devicePath(id).c_str(), &hid, &firmware));
    QCOMPARE(QByteArray(firmware.version), QByteArray("V1.00.10"));
    QCOMPARE(QByteArray(firmware.deviceClass), QByteArray("KB"));
    QVERIFY(QByteArray(firmware.extraText).contains(" 2026 "));
}

void TestHidFirmwareUpgrade::refusedEndKeepsTheBootloaderForARetry()
{
    int id = 0;
    const std::string path = enterBootloader("Aster104", false, &id);
    QVERIFY(!path.empty());
    m_sim->server().execute("upgrade " + std::to_string(id) + " failend 1");
    const std::string file = imageFile("Aster104.bin");
    intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, file.c_str(), 262144, 0, 0, nullptr),
             FirmwareUpgradeRefusedBase + FirmwareTransfer::StatusCrcMismatch);
    CVorlanHid_Close(handle);
    QCOMPARE(dump(id).value("mode").toString(), QString("bootloader"));
    handle = CVorlanHid_OpenPath(path.c_str());
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, file.c_str(), 262144, 0, 0, nullptr), 0);
    CVorlanHid_Close(handle);
    QVERIFY(waitForMode(id, "keyboard", 3000));
    QCOMPARE(dump(id).value("upgrade").toObject().value("attempts").toInt(), 2);

    // The receiver flag for a keyboard on the cable is refused at START.
    const std::string again = enterBootloader("Aster104", false, &id);
    handle = CVorlanHid_OpenPath(again.c_str());
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, file.c_str(), 262144, 0, 1, nullptr),
             FirmwareUpgradeRefusedBase + FirmwareTransfer::StatusWrongConnection);
    CVorlanHid_Close(handle);
    QCOMPARE(dump(id).value("upgrade").toObject().value("imagesWritten").toInt(), 0);
}

void TestHidFirmwareUpgrade::keyboardPathGetsIdentOnly()
{
    const int id = m_sim->server().plug("Aster104", "", false, nullptr);
    const intptr_t handle = CVorlanHid_OpenPath(m_sim->server().devicePath(id).c_str());
    const std::string file = imageFile("Aster104.bin");
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, file.c_str(), 262144, 0, 0, recordProgress),
             FirmwareUpgradeNotBootloader);
    CVorlanHid_Close(handle);
    const std::vector<SimReport> received = m_sim->server().receivedReports(id);
    QCOMPARE(received.size(), size_t(kTestTimeouts.sends));
    for (const SimReport &report : received)
        QCOMPARE(int(report[1]), int(FirmwareTransfer::Ident));
    QVERIFY(g_progress.empty());
}

void TestHidFirmwareUpgrade::otherModelsBootloaderGetsIdentOnly()
{
    int id = 0;
    const std::string path = enterBootloader("Aster104", false, &id);
    QVERIFY(!path.empty());
    m_sim->server().execute("clearlog " + std::to_string(id));
    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, imageFile("Cinder104.bin").c_str(), 262144, 0, 0, nullptr),
             FirmwareUpgradeOtherModel);
    CVorlanHid_Close(handle);
    const std::vector<SimReport> received = m_sim->server().receivedReports(id);
    QCOMPARE(received.size(), size_t(1));
    QCOMPARE(int(received[0][1]), int(FirmwareTransfer::Ident));
}

void TestHidFirmwareUpgrade::badFilesAreRefusedBeforeTheDevice()
{
    int id = 0;
    const std::string path = enterBootloader("Aster104", false, &id);
    m_sim->server().execute("clearlog " + std::to_string(id));
    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    const std::string empty = (m_temp.path() + "/empty.bin").toStdString();
    QFile(QString::fromStdString(empty)).open(QIODevice::WriteOnly);
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, empty.c_str(), 262144, 0, 0, nullptr), int(FirmwareUpgradeEmptyFile));
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, (empty + ".missing").c_str(), 262144, 0, 0, nullptr),
             int(FirmwareUpgradeUnreadableFile));
    // Larger than the bootloader's capacity (the 256 KB layout's window).
    const std::string large = (m_temp.path() + "/large.bin").toStdString();
    {
        std::vector<uint8_t> bytes;
        std::string error;
        FirmwareImageBuilder::buildBin(*BinImageLayout::forKind(FirmwareImageKind::ImageBin256K),
                                       FirmwareImageBuilder::binIdentity(*ModelCatalog::findByName("Aster104"), "V2"),
                                       "large", &bytes, &error);
        bytes.resize(0x40001);
        QFile out(QString::fromStdString(large));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    }
    QCOMPARE(CVorlanHid_FirmwareUpgrade(handle, large.c_str(), 262144, 0, 0, nullptr), int(FirmwareUpgradeTooLarge));
    CVorlanHid_Close(handle);
    for (const SimReport &report : m_sim->server().receivedReports(id))
        QCOMPARE(int(report[1]), int(FirmwareTransfer::Ident));
}

QTEST_GUILESS_MAIN(TestHidFirmwareUpgrade)
#include "tst_HidFirmwareUpgrade.moc"
