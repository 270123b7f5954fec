#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/HidText.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A bare listening socket standing in for a simulated keyboard.
int listenAt(const std::string &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::list<std::string> connectedPaths()
{
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    return paths;
}

} // namespace

class TestVorlanHidSdk : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUpSucceeds();
    void textFillingFieldStaysTerminated_data();
    void textFillingFieldStaysTerminated();
    void devicePathParsing_data();
    void devicePathParsing();
    void catalogueIsConsistent();
    void supportEntriesMatchOnlyTheirOwnPaths();
    void simulatedKeyboardsAppearAndDisappear();
    void reportsRoundTripThroughSimulatorSocket();
    void closedOrUnknownHandleFails();
    void timerStopReleasesWaiter();

private:
    QString m_simDir;
};

void TestVorlanHidSdk::init()
{
    m_simDir = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim";
    QDir(m_simDir).removeRecursively();
    QVERIFY(QDir().mkpath(m_simDir));
    qputenv("VORLAN_SIM_DIR", m_simDir.toLocal8Bit());
}

void TestVorlanHidSdk::cleanup()
{
    qunsetenv("VORLAN_SIM_DIR");
    QDir(m_simDir).removeRecursively();
}

void TestVorlanHidSdk::startUpSucceeds()
{
    char version[1024] = {};
    CVorlanSDK_VersionStr(version);
    QVERIFY(std::strlen(version) > 0);
    QCOMPARE(CVorlanXML_Init(), 0);
    QCOMPARE(CVorlanHid_Init(), 0);
    QCOMPARE(CVorlanLight_Init(), 0);
}

void TestVorlanHidSdk::textFillingFieldStaysTerminated_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("short") << QByteArray("abc") << QByteArray("abc");
    QTest::newRow("one less than field") << QByteArray("abcdefg") << QByteArray("abcdefg");
    QTest::newRow("exactly field") << QByteArray("abcdefgh") << QByteArray("abcdefg");
    QTest::newRow("longer") << QByteArray("abcdefghijkl") << QByteArray("abcdefg");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestVorlanHidSdk::textFillingFieldStaysTerminated()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    char field[10];
    std::memset(field, 'x', sizeof(field));
    copyHidText(field, 8, text.toStdString());
    QCOMPARE(QByteArray(field), expected);
    QCOMPARE(field[7], '\0');
    QCOMPARE(field[8], 'x'); // nothing written past the field
}

void TestVorlanHidSdk::devicePathParsing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("backend");
    QTest::newRow("hidraw") << "hid#vid_1209&pid_0001&mi_01#/dev/hidraw3" << true << 1 << "/dev/hidraw3";
    QTest::newRow("simulated") << "hid#vid_1209&pid_000f&mi_01#sim:/tmp/s/kbd.sock" << true << 15
                               << "sim:/tmp/s/kbd.sock";
    QTest::newRow("upper case") << "HID#VID_1209&PID_000A&MI_01#/dev/hidraw0" << true << 10 << "/dev/hidraw0";
    QTest::newRow("no back end") << "hid#vid_1209&pid_0001&mi_01#" << false << 0 << "";
    QTest::newRow("not hex") << "hid#vid_12g9&pid_0001&mi_01#/dev/hidraw3" << false << 0 << "";
    QTest::newRow("short id") << "hid#vid_129&pid_0001&mi_01#/dev/hidraw3" << false << 0 << "";
    QTest::newRow("bare node") << "/dev/hidraw3" << false << 0 << "";
    QTest::newRow("empty") << "" << false << 0 << "";
}

void TestVorlanHidSdk::devicePathParsing()
{
    QFETCH(QString, path);
    QFETCH(bool, valid);
    QFETCH(int, pid);
    QFETCH(QString, backend);
    HidDevicePath parsed;
    QCOMPARE(HidDevicePath::parse(path.toStdString(), &parsed), valid);
    if (!valid)
        return;
    QCOMPARE(parsed.vid, uint16_t(0x1209));
    QCOMPARE(int(parsed.pid), pid);
    QCOMPARE(parsed.interfaceNumber, 1);
    QCOMPARE(QString::fromStdString(parsed.backendPath), backend);
    QCOMPARE(QString::fromStdString(parsed.toString()), path.left(28).toLower() + backend);
}

void TestVorlanHidSdk::catalogueIsConsistent()
{
    QFile rulesFile(VORLAN_SOURCE_DIR "/packaging/udev/70-vorlan-keyboards.rules");
    QVERIFY(rulesFile.open(QIODevice::ReadOnly));
    const QString rules = QString::fromUtf8(rulesFile.readAll());
    // Access through the seat (uaccess), never by a file mode for everyone.
    QVERIFY(!rules.contains(QRegularExpression("\\bMODE\\s*:?=")));

    QSet<int> pids;
    bool sideLight = false, magneticDepth10 = false, receiver = false;
    for (const ModelInfo &model : ModelCatalog::models()) {
        QVERIFY(ModelCatalog::findByName(model.name) == &model);
        QVERIFY(!model.keyboardLightModes.empty());
        QCOMPARE(model.hasSideLight, !model.sideLightModes.empty());
        sideLight |= model.hasSideLight;
        magneticDepth10 |= model.isMagnetic && model.lightQueueDepth10;
        for (const ModelIds &ids : model.ids) {
            QCOMPARE(ids.vid, uint16_t(0x1209));
            QVERIFY(ids.pid >= 0x0001 && ids.pid <= 0x000F);
            QVERIFY2(!pids.contains(ids.pid), "product ids are unique");
            pids.insert(ids.pid);
            receiver |= ids.isDongle;
            // Access to the vendor interface the program opens, and to no other interface.
            const QString line = QString("ENV{ID_VENDOR_ID}==\"1209\", ENV{ID_MODEL_ID}==\"%1\", "
                                         "ENV{ID_USB_INTERFACE_NUM}==\"%2\", TAG+=\"uaccess\"")
                                     .arg(ids.pid, 4, 16, QChar('0'))
                                     .arg(ids.interfaceNumber, 2, 16, QChar('0'));
            QVERIFY2(rules.contains(line), qPrintable(line));
        }
    }
    // Bootloaders: each id pair of the upgrade table, limited to interfaces that name themselves ours.
    QSet<QString> bootloaders;
    for (const FirmwareImageRow &row : ModelCatalog::firmwareImageRows()) {
        if (row.kind == FirmwareImageKind::ImageUfw)
            continue;
        const QString line = QString("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", ATTRS{product}==\"%3\", "
                                     "TAG+=\"uaccess\"")
                                 .arg(row.bootloaderVid, 4, 16, QChar('0'))
                                 .arg(row.bootloaderPid, 4, 16, QChar('0'))
                                 .arg(ModelCatalog::bootloaderProductString);
        QVERIFY2(rules.contains(line), qPrintable(line));
        bootloaders.insert(line);
    }
    QCOMPARE(rules.count("uaccess"), pids.size() + bootloaders.size());
    QVERIFY(sideLight && magneticDepth10 && receiver);
    QVERIFY(ModelCatalog::isMagneticModel("Quartz68HE"));
    QVERIFY(!ModelCatalog::isMagneticModel("Aster104"));
    QVERIFY(!ModelCatalog::usesLightQueueDepth10("NoSuchModel"));
}

void TestVorlanHidSdk::supportEntriesMatchOnlyTheirOwnPaths()
{
    std::list<SupportInfoStu> supported;
    CVorlanHid_GetSupportInfoList(&supported);
    QVERIFY(supported.size() >= 4);
    for (const SupportInfoStu &entry : supported) {
        for (const SupportInfoStu &other : supported) {
            HidDevicePath path;
            path.vid = 0x1209;
            path.pid = static_cast<uint16_t>(QString(other.pidText).mid(4).toUInt(nullptr, 16));
            path.interfaceNumber = other.interfaceNumber;
            // A tag full of other ids' digits must not cause a false match.
            path.backendPath = std::string("sim:/tmp/") + SimSocketName::format(0x1209, path.pid, 1, "0001-0002-0003");
            const QString text = QString::fromStdString(path.toString());
            const bool matches =
                text.contains(entry.vidText, Qt::CaseInsensitive) && text.contains(entry.pidText, Qt::CaseInsensitive);
            QCOMPARE(matches, &entry == &other);
        }
    }
}

void TestVorlanHidSdk::simulatedKeyboardsAppearAndDisappear()
{
    const std::string socketPath = (m_simDir + "/").toStdString() + SimSocketName::format(0x1209, 0x0004, 1, "7");
    const int listener = listenAt(socketPath);
    QVERIFY(listener >= 0);
    // Files that are not keyboard sockets are ignored.
    QFile stray(m_simDir + "/" + QString::fromStdString(SimSocketName::format(0x1209, 0x0001, 1, "8")));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();

    const std::string expected = "hid#vid_1209&pid_0004&mi_01#sim:" + socketPath;
    std::list<std::string> paths = connectedPaths();
    QCOMPARE(std::count(paths.begin(), paths.end(), expected), 1L);
    QCOMPARE(std::count_if(paths.begin(), paths.end(),
                           [](const std::string &p) { return p.find("sim:") != std::string::npos; }),
             1L);

    hidStu hid;
    FirmwareInfoStu firmware;
    // Listed, but nothing answers the identity request on it: not a keyboard.
    QElapsedTimer asked;
    asked.start();
    QVERIFY(!CVorlanHid_GetHidAndFirmwareInfoStu(expected.c_str(), &hid, &firmware));
    QVERIFY(asked.elapsed() < 5000);

    std::map<std::string, HidInfoStu> models;
    CVorlanHid_GetHidInfoStuMapList(&models);
    QVERIFY(models.count("Breeze84W") == 1);
    QCOMPARE(QByteArray(models["Breeze84W"].deviceKind), QByteArray("keyboard"));

    ::close(listener);
    ::unlink(socketPath.c_str());
    paths = connectedPaths();
    QCOMPARE(std::count(paths.begin(), paths.end(), expected), 0L);
    QVERIFY(!CVorlanHid_GetHidAndFirmwareInfoStu(expected.c_str(), &hid, &firmware));
    QVERIFY(!CVorlanHid_GetHidAndFirmwareInfoStu("hid#vid_1209&pid_00ff&mi_01#sim:/x", &hid, &firmware));

    // Without the variable no simulated keyboard is looked for.
    QVERIFY(listenAt(socketPath) >= 0);
    qunsetenv("VORLAN_SIM_DIR");
    paths = connectedPaths();
    QCOMPARE(std::count(paths.begin(), paths.end(), expected), 0L);
}

void TestVorlanHidSdk::reportsRoundTripThroughSimulatorSocket()
{
    const std::string socketPath = (m_simDir + "/").toStdString() + SimSocketName::format(0x1209, 0x0001, 1, "1");
    const int listener = listenAt(socketPath);
    QVERIFY(listener >= 0);
    const std::string path = "hid#vid_1209&pid_0001&mi_01#sim:" + socketPath;

    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    QVERIFY(handle != 0);
    const int peer = ::accept(listener, nullptr, nullptr);
    QVERIFY(peer >= 0);

    unsigned char out[64] = {0, 0x14};
    out[63] = 0x5a;
    QCOMPARE(CVorlanHid_HidWriteBuff(handle, out, path.c_str()), 64);
    unsigned char seen[64] = {};
    QCOMPARE(::recv(peer, seen, sizeof(seen), 0), ssize_t(64));
    QVERIFY(std::memcmp(seen, out, 64) == 0);

    QCOMPARE(CVorlanHid_SetNonblocking(handle, 1), 0);
    unsigned char in[64];
    QCOMPARE(CVorlanHid_HidReadBuff(handle, in), 0);
    unsigned char reply[64] = {1, 0x15, 0, 0, 0, 0x20, 'A'};
    QCOMPARE(::send(peer, reply, sizeof(reply), 0), ssize_t(64));
    QCOMPARE(CVorlanHid_SetNonblocking(handle, 0), 0);
    QCOMPARE(CVorlanHid_HidReadBuff(handle, in), 64);
    QVERIFY(std::memcmp(in, reply, 64) == 0);

    // The keyboard going away is an error, not an empty read.
    ::close(peer);
    QCOMPARE(CVorlanHid_HidReadBuff(handle, in), -1);
    CVorlanHid_Close(handle);
    ::close(listener);
}

void TestVorlanHidSdk::closedOrUnknownHandleFails()
{
    unsigned char report[64] = {};
    QCOMPARE(CVorlanHid_OpenPath("hid#vid_1209&pid_0001&mi_01#sim:/nonexistent/kbd.sock"), intptr_t(0));
    QCOMPARE(CVorlanHid_OpenPath("hid#vid_1234&pid_5678&mi_01#/dev/hidraw0"), intptr_t(0));
    QCOMPARE(CVorlanHid_OpenPath("garbage"), intptr_t(0));
    QCOMPARE(CVorlanHid_HidWriteBuff(12345, report, ""), -1);
    QCOMPARE(CVorlanHid_HidReadBuff(12345, report), -1);
    QCOMPARE(CVorlanHid_SetNonblocking(0, 1), -1);
    CVorlanHid_Close(12345);
}

void TestVorlanHidSdk::timerStopReleasesWaiter()
{
    HighPrecisionTimerStu timer{};
    CVorlanHid_highPrecisionTimerInit(&timer);
    CVorlanHid_highPrecisionTimerStart(timer);
    CVorlanHid_highPrecisionTimerRuning(100, timer); // one tick passes

    // A waiter on a 100 s grid is released by Stop, not by its tick.
    std::atomic<bool> released{false};
    std::thread waiter([&] {
        CVorlanHid_highPrecisionTimerRuning(10000000, timer);
        released = true;
    });
    CVorlanHid_highPrecisionTimerStop(timer);
    QTRY_VERIFY_WITH_TIMEOUT(released, 10000);
    waiter.join();

    // Stopped: waits return at once; a record the SDK never made names no timer.
    CVorlanHid_highPrecisionTimerRuning(10000000, timer);
    CVorlanHid_highPrecisionTimerRuning(10000000, HighPrecisionTimerStu{});
}

QTEST_GUILESS_MAIN(TestVorlanHidSdk)
#include "tst_vorlanhidsdk.moc"
