#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/FirmwareIdentity.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"
#include "sim/SimServer.h"

#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool sdkLists(const std::string &path)
{
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

QByteArray readReport(intptr_t handle)
{
    unsigned char report[64];
    const int n = CVorlanHid_HidReadBuff(handle, report);
    return n > 0 ? QByteArray(reinterpret_cast<const char *>(report), 64) : QByteArray();
}

QByteArray writeThenRead(intptr_t handle, std::initializer_list<std::pair<int, int>> bytes)
{
    unsigned char report[64] = {};
    for (const auto &[offset, value] : bytes)
        report[offset] = static_cast<unsigned char>(value);
    CVorlanHid_HidWriteBuff(handle, report, "");
    return readReport(handle);
}

} // namespace

class TestSimServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void plugAndUnplugShowInSdkList();
    void inquiryChainOverSocket();
    void upgradeCommandUnplugsKeyboard();
    void controlSocketInjectsAndDumps();
    void firmwareTextsFollowPlugAndControlLines();
    void firmwareReadLeavesOpenLinkAlone();
    void maxTravelLineSetsTheReportedTravel();
    void badControlLinesAreRefused_data();
    void badControlLinesAreRefused();
    void controlAnswersOfWrongLines_data();
    void controlAnswersOfWrongLines();

private:
    QString m_folder;
    std::unique_ptr<SimServer> m_server;
    std::thread m_thread;
};

void TestSimServer::init()
{
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim/nested";
    qputenv("VORLAN_SIM_DIR", m_folder.toLocal8Bit());
    m_server = std::make_unique<SimServer>(m_folder.toStdString());
    std::string error;
    QVERIFY2(m_server->start(&error), error.c_str());
    m_thread = std::thread([this] { m_server->run(); });
}

void TestSimServer::cleanup()
{
    m_server->stop();
    m_thread.join();
    m_server.reset();
    // Stopping removes every socket it made.
    QCOMPARE(QDir(m_folder).entryList(QDir::System | QDir::Files), QStringList());
    qunsetenv("VORLAN_SIM_DIR");
}

void TestSimServer::plugAndUnplugShowInSdkList()
{
    const int cable = m_server->plug("Aster104", "", false, nullptr);
    const int receiver = m_server->plug("Breeze84W", "", true, nullptr);
    QVERIFY(cable > 0 && receiver > 0);
    const std::string cablePath = m_server->devicePath(cable);
    const std::string receiverPath = m_server->devicePath(receiver);
    QVERIFY(sdkLists(cablePath));
    QVERIFY(sdkLists(receiverPath));

    hidStu hid;
    FirmwareInfoStu firmware;
    QVERIFY(CVorlanHid_GetHidAndFirmwareInfoStu(receiverPath.c_str(), &hid, &firmware));
    QCOMPARE(hid.vid, 0x1209);
    QCOMPARE(hid.pid, 0x0004);
    QCOMPARE(QByteArray(hid.hidName), QByteArray("Breeze84W"));
    QCOMPARE(QByteArray(hid.path), QByteArray(receiverPath.c_str()));
    QCOMPARE(hid.isDongle, 1);
    QCOMPARE(QByteArray(firmware.chip), QByteArray("VL8105"));
    QCOMPARE(QByteArray(firmware.version), QByteArray("V1.00.06"));

    QVERIFY(m_server->unplug(cable));
    QVERIFY(!sdkLists(cablePath));
    QVERIFY(sdkLists(receiverPath));
    QCOMPARE(m_server->execute("unplug " + std::to_string(receiver)), std::string("OK"));
    QVERIFY(!sdkLists(receiverPath));

    // The control line takes the --plug form too: the receiver variant with its serial number.
    const std::string answer = m_server->execute("plug Breeze84W:SNCOLON000000000000000000000001:receiver");
    QVERIFY2(answer.compare(0, 3, "OK ") == 0, answer.c_str());
    const int colonForm = std::stoi(answer.substr(3));
    QVERIFY(CVorlanHid_GetHidAndFirmwareInfoStu(m_server->devicePath(colonForm).c_str(), &hid, &firmware));
    QCOMPARE(hid.isDongle, 1);
    const std::string listed = m_server->execute("list");
    QVERIFY2(listed.size() > 9 && listed.compare(listed.size() - 9, 9, ":receiver") == 0, listed.c_str());
    QCOMPARE(m_server->execute("dump " + std::to_string(colonForm)).find("SNCOLON000000000000000000000001")
                 != std::string::npos,
             true);
}

void TestSimServer::inquiryChainOverSocket()
{
    const int id = m_server->plug("Quartz68HE", "abcdefabcdefabcdefabcdefabcdef12", false, nullptr);
    const intptr_t handle = CVorlanHid_OpenPath(m_server->devicePath(id).c_str());
    QVERIFY(handle != 0);

    QByteArray reply = writeThenRead(handle, {{1, 0x14}});
    QCOMPARE(int(reply[1]), 0x15);
    QCOMPARE(reply.mid(6, 32), QByteArray("abcdefabcdefabcdefabcdefabcdef12"));
    QCOMPARE(int(writeThenRead(handle, {{0, 1}, {1, 0x06}, {2, 1}})[1]), 0x07);
    QCOMPARE(int(writeThenRead(handle, {{0, 1}, {1, 0x07}, {2, 1}})[1]), 0x08);
    QCOMPARE(int(writeThenRead(handle, {{0, 1}, {1, 0x09}})[1]), 0x0A);
    reply = writeThenRead(handle, {{0, 1}, {1, 0x29}, {5, 0x18}, {6, 10}});
    QCOMPARE(int(reply[1]), 0x21);
    QCOMPARE(int(reply[6]), 10);
    QCOMPARE(int(writeThenRead(handle, {{0, 1}, {1, 0x01}})[1]), 0x02);
    QCOMPARE(int(writeThenRead(handle, {{0, 1}, {1, 0x0D}})[1]), 0x0D);
    QCOMPARE(m_server->receivedReports(id).size(), size_t(7));

    // A reply late by the configured latency still arrives.
    QCOMPARE(m_server->execute("latency " + std::to_string(id) + " 50"), std::string("OK"));
    QCOMPARE(int(writeThenRead(handle, {{0, 1}, {1, 0x0D}})[1]), 0x0D);
    CVorlanHid_Close(handle);
}

void TestSimServer::upgradeCommandUnplugsKeyboard()
{
    const int id = m_server->plug("Aster104", "", false, nullptr);
    const std::string path = m_server->devicePath(id);
    const intptr_t handle = CVorlanHid_OpenPath(path.c_str());
    QVERIFY(handle != 0);
    const unsigned char enterUpgrade[64] = {1, 0x0A};
    QCOMPARE(CVorlanHid_HidWriteBuff(handle, enterUpgrade, path.c_str()), 64);
    // The keyboard hangs up and its socket goes.
    QVERIFY(readReport(handle).isEmpty());
    QVERIFY(!sdkLists(path));
    CVorlanHid_Close(handle);
}

void TestSimServer::controlSocketInjectsAndDumps()
{
    const int id = m_server->plug("Aster104", "", false, nullptr);
    const intptr_t handle = CVorlanHid_OpenPath(m_server->devicePath(id).c_str());
    QVERIFY(handle != 0);
    const auto monotonicUs = [] {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    const qint64 beforeWrite = monotonicUs();
    QVERIFY(writeThenRead(handle, {{1, 0x14}}).size() == 64); // connected and served
    const qint64 afterRead = monotonicUs();

    // Through the real control socket, as the daemon's clients talk to it.
    const std::string control = (m_folder + "/" + SimSocketName::controlName).toStdString();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, control.c_str(), sizeof(address.sun_path) - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QCOMPARE(::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    const auto ask = [fd](const std::string &line) {
        const std::string request = line + "\n";
        ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        std::string answer;
        char buffer[8192];
        ssize_t n;
        while (answer.find('\n') == std::string::npos && (n = ::recv(fd, buffer, sizeof(buffer), 0)) > 0)
            answer.append(buffer, size_t(n));
        return QString::fromStdString(answer).trimmed();
    };
    const std::string kbd = std::to_string(id);

    QCOMPARE(ask("status " + kbd + " 1 1 80 0 0 2"), QString("OK"));
    QCOMPARE(readReport(handle).toHex(' '),
             QByteArray::fromHex("010100000009010000015000000200").append(QByteArray(49, '\0')).toHex(' '));
    QCOMPARE(ask("key " + kbd + " 02 00 04"), QString("OK"));
    QCOMPARE(readReport(handle).mid(0, 10).toHex(), QByteArray("0104000000080200040"
                                                               "0"));
    QCOMPARE(ask("hostkey " + kbd + " 4 1"), QString("OK"));
    const QByteArray host = readReport(handle);
    QCOMPARE(int(host[1]), 0x20);
    QCOMPARE(int(host[9]), 4);
    QCOMPARE(int(host[10]), 1);

    const QString dump = ask("dump " + kbd);
    QVERIFY(dump.startsWith("OK {"));
    const QJsonObject memory = QJsonDocument::fromJson(dump.mid(3).toUtf8()).object();
    QCOMPARE(memory.value("keyReportsExpected").toInt(), 1);
    QCOMPARE(memory.value("received").toArray().size(), 1);
    const QJsonObject received = memory.value("received").toArray().at(0).toObject();
    QVERIFY(received.value("report").toString().startsWith("00 14 00"));
    // Stamped with the system's monotonic clock, which other processes read too.
    const auto stamp = qint64(received.value("us").toDouble());
    QVERIFY2(stamp >= beforeWrite && stamp <= afterRead, qPrintable(QString::number(stamp)));
    ::close(fd);
    CVorlanHid_Close(handle);
}

namespace {
FirmwareInfoStu describe(const std::string &path)
{
    hidStu hid;
    FirmwareInfoStu firmware;
    std::memset(&firmware, 0x55, sizeof(firmware));
    if (!CVorlanHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware))
        QTest::qFail("the SDK does not describe the keyboard", __FILE__, __LINE__);
    return firmware;
}

QStringList texts(const FirmwareInfoStu &f)
{
    QStringList result;
    for (const char *field : {f.chip, f.numberField, f.deviceClass, f.vendorCode, f.model, f.version, f.extraText})
        result << QString::fromUtf8(field, int(strnlen(field, 64)));
    return result;
}
} // namespace

void TestSimServer::firmwareTextsFollowPlugAndControlLines()
{
    // The catalogue's texts unless the plug line sets some.
    const int plain = m_server->plug("Quartz68HE", "", false, nullptr);
    QCOMPARE(texts(describe(m_server->devicePath(plain))),
             QStringList({"VL8302", "02", "MK", "VL", "Quartz68HE", "V104", "Quartz magnetic"}));

    const std::string answer = m_server->execute("plug Aster104 - receiver=no chip=CH9 version= extraText=");
    QVERIFY2(answer.rfind("ERR", 0) == 0, answer.c_str()); // "receiver=no" is no setting and no receiver
    const std::string plugged = m_server->execute("plug Aster104 - chip=CH9 version= extraText=");
    QVERIFY2(plugged.rfind("OK ", 0) == 0, plugged.c_str());
    const std::string id = plugged.substr(3, plugged.find(' ', 3) - 3);
    const std::string path = m_server->devicePath(std::stoi(id));
    QCOMPARE(texts(describe(path)), QStringList({"CH9", "01", "KB", "VL", "Aster104", "", ""}));

    // A text longer than one feature report, and the longest one the record holds.
    const std::string longest(63, 'L');
    QCOMPARE(m_server->execute("firmware " + id + " model " + longest), std::string("OK"));
    QCOMPARE(m_server->execute("firmware " + id + " extraText two   words"), std::string("OK"));
    QCOMPARE(m_server->execute("firmware " + id + " chip"), std::string("OK"));
    const FirmwareInfoStu changed = describe(path);
    QCOMPARE(texts(changed), QStringList({"", "01", "KB", "VL", QString::fromStdString(longest), "", "two words"}));
    QCOMPARE(changed.model[63], '\0');

    const QJsonObject memory =
        QJsonDocument::fromJson(QByteArray::fromStdString(m_server->execute("dump " + id).substr(3))).object();
    const QJsonObject firmware = memory.value("firmware").toObject();
    QCOMPARE(firmware.keys().size(), 7);
    QCOMPARE(firmware.value("model").toString(), QString::fromStdString(longest));
    QCOMPARE(firmware.value("extraText").toString(), QString("two words"));
    QCOMPARE(firmware.value("numberField").toString(), QString("01"));
    QCOMPARE(memory.value("firmwareVersion").toString(), QString(""));

    // The in-process plug carries its identity from the start.
    FirmwareIdentity identity = FirmwareIdentity::fromModel(*ModelCatalog::findByName("Breeze84W"));
    identity.texts[FirmwareIdentity::Version] = "V9.99";
    const int receiver = m_server->plug("Breeze84W", "", true, identity, nullptr);
    QCOMPARE(texts(describe(m_server->devicePath(receiver))).at(FirmwareIdentity::Version), QString("V9.99"));
    identity.texts[FirmwareIdentity::Chip] = std::string(64, 'x');
    std::string error;
    QCOMPARE(m_server->plug("Breeze84W", "", true, identity, &error), -1);
    QVERIFY(!error.empty());
}

void TestSimServer::firmwareReadLeavesOpenLinkAlone()
{
    const int id = m_server->plug("Aster104", "", false, nullptr);
    const intptr_t handle = CVorlanHid_OpenPath(m_server->devicePath(id).c_str());
    QVERIFY(handle != 0);
    CVorlanHid_SetNonblocking(handle, 1);
    QCOMPARE(texts(describe(m_server->devicePath(id))).at(FirmwareIdentity::Chip), QString("VL8201"));
    // The identity answers went to the SDK's own connection, and the keyboard logged no request.
    QVERIFY(readReport(handle).isEmpty());
    QVERIFY(m_server->receivedReports(id).empty());
    CVorlanHid_SetNonblocking(handle, 0);
    QCOMPARE(int(writeThenRead(handle, {{1, 0x14}})[1]), 0x15);
    QCOMPARE(m_server->receivedReports(id).size(), size_t(1));

    // An input report waiting on the link is still there after a read.
    QCOMPARE(m_server->execute("status " + std::to_string(id) + " 1 1 80 0 0 2"), std::string("OK"));
    QCOMPARE(texts(describe(m_server->devicePath(id))).at(FirmwareIdentity::Version), QString("V1.00.06"));
    QCOMPARE(int(readReport(handle)[1]), 0x01);
    CVorlanHid_Close(handle);
}

void TestSimServer::maxTravelLineSetsTheReportedTravel()
{
    const int id = m_server->plug("Quartz68HE", "", false, nullptr);
    const intptr_t handle = CVorlanHid_OpenPath(m_server->devicePath(id).c_str());
    QVERIFY(handle != 0);
    const auto reportedTravel = [handle] {
        const QByteArray answer = writeThenRead(handle, {{0, 1}, {1, 0x29}, {5, 0x18}, {6, 4}});
        return answer.size() == 64 && answer[1] == 0x21 && answer[6] == 4 ? int(uchar(answer[7])) : -1;
    };
    QCOMPARE(reportedTravel(), 5);
    const std::string kbd = std::to_string(id);
    QCOMPARE(m_server->execute("maxtravel " + kbd + " 40"), std::string("OK"));
    QCOMPARE(reportedTravel(), 40);
    // A reset of the settings keeps the switches' travel.
    writeThenRead(handle, {{0, 1}, {1, 0x13}, {5, 1}, {6, 1}});
    QCOMPARE(reportedTravel(), 40);
    QCOMPARE(m_server->execute("maxtravel " + kbd + " 0"), std::string("OK"));
    QCOMPARE(reportedTravel(), 0);
    CVorlanHid_Close(handle);
}

void TestSimServer::badControlLinesAreRefused_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << "";
    QTest::newRow("unknown command") << "explode 1";
    QTest::newRow("unknown model") << "plug NoSuchBoard";
    QTest::newRow("no receiver variant") << "plug Aster104 - receiver";
    QTest::newRow("serial too long") << "plug Aster104 0123456789abcdef0123456789abcdef0";
    QTest::newRow("plug spec without model") << "plug :SERIAL";
    QTest::newRow("plug spec, receiver misspelt") << "plug Breeze84W:SN:reciever";
    QTest::newRow("plug spec, no receiver variant") << "plug Aster104::receiver";
    QTest::newRow("no such keyboard") << "dump 99";
    QTest::newRow("bad hex") << "inject 1 01 zz";
    QTest::newRow("too many bytes") << "key 1 0 0 0 0 0 0 0 0 0";
    QTest::newRow("negative latency") << "latency 1 -5";
    QTest::newRow("byte out of range") << "hostkey 1 300 1";
    QTest::newRow("drop acknowledgement 0") << "ackdrop 1 0";
    QTest::newRow("drop acknowledgements of what") << "ackdrop 1 some";
    QTest::newRow("negative acknowledgement delay") << "ackdelay 1 -1";
    QTest::newRow("firmware field unknown") << "firmware 1 colour red";
    QTest::newRow("firmware text too long") << "firmware 1 chip " + QString(64, 'x');
    QTest::newRow("plug firmware text too long") << "plug Aster104 - version=" + QString(64, 'x');
    QTest::newRow("maximum travel beyond a byte") << "maxtravel 1 256";
}

void TestSimServer::badControlLinesAreRefused()
{
    QFETCH(QString, line);
    QCOMPARE(m_server->plug("Aster104", "", false, nullptr), 1);
    const std::string answer = m_server->execute(line.toStdString());
    QVERIFY2(answer.compare(0, 4, "ERR ") == 0, answer.c_str());
    QCOMPARE(m_server->execute("list").substr(0, 13), std::string("OK 1:Aster104"));
}

void TestSimServer::controlAnswersOfWrongLines_data()
{
    const QString usage =
        "ERR commands: plug <model> [serial|-] [receiver] [<field>=<text>]... | <model>[:serial][:receiver] "
        "[<field>=<text>]..., unplug <id>, list, inject <id> <hex bytes>, "
        "status <id> <keyLock> <charging> <battery> <connection> <receiverLink> <download> [mode], "
        "key <id> <hex bytes>, media <id> <hex bytes>, hostkey <id> <code> <pressed>, "
        "light <id> <area> <mode> <brightness> <speed> <r> <g> <b>, custom <id> <slot>, bitmap <id> <hex bytes>, "
        "travel <id> <row> <column> <value>, maxtravel <id> <value>, "
        "serial <id> normal|blank|short, mute <id> on|off, drop <id> <hex code> on|off, latency <id> <ms>, "
        "ackdrop <id> off|all|<n>, ackdelay <id> <ms>, firmware <id> <field> [text], "
        "upgrade <id> ignore|dropend|noreturn|nodrive|verifyfail on|off | failend <n> | vanish <percent>|off "
        "[<ms>|never] | dropack <k> | ackdelay <ms> | product <text>|- | letter <A-Z> | case upper|lower | "
        "delay leave|arrive|endleave|return <ms>, dump <id>, clearlog <id>";
    const auto bytes = [](int count) { return QString("00 ").repeated(count).trimmed(); };
    // Each keyboard command with its fewest and its most arguments: one word less or more is refused.
    const struct
    {
        QString command;
        QString fewest;
        QString most;
    } commands[] = {
        {"unplug", "", ""},
        {"dump", "", ""},
        {"clearlog", "", ""},
        {"inject", "00", bytes(64)},
        {"status", "1 1 80 0 0 2", "1 1 80 0 0 2 0"},
        {"key", "00", bytes(8)},
        {"media", "00", bytes(13)},
        {"hostkey", "4 1", "4 1"},
        {"light", "0 1 2 3 4 5 6", "0 1 2 3 4 5 6"},
        {"custom", "1", "1"},
        {"bitmap", "00", bytes(22)},
        {"travel", "0 0 0", "0 0 0"},
        {"maxtravel", "40", "40"},
        {"serial", "blank", "blank"},
        {"mute", "on", "on"},
        {"drop", "14 on", "14 on"},
        {"latency", "5", "5"},
        {"ackdrop", "all", "all"},
        {"ackdelay", "5", "5"},
        {"upgrade", "failend 1", "delay leave 5"},
    };
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    for (const auto &[command, fewest, most] : commands) {
        QTest::newRow(qPrintable(command + " without id")) << command << usage;
        if (!fewest.isEmpty()) {
            QStringList fewer = fewest.split(' ');
            fewer.removeLast();
            QTest::newRow(qPrintable(command + " with one argument too few"))
                << (command + " 1 " + fewer.join(' ')).simplified() << usage;
        }
        QTest::newRow(qPrintable(command + " with one argument too many"))
            << (command + " 1 " + most + " 00").simplified() << usage;
        QTest::newRow(qPrintable(command + " of an unknown keyboard"))
            << (command + " 99 " + most).simplified() << "ERR no keyboard 99";
    }
    QTest::newRow("plug without model") << "plug" << usage;
    QTest::newRow("plug with one argument too many") << "plug Aster104 - receiver 00" << usage;
    QTest::newRow("unknown command") << "explode 1" << usage;
    QTest::newRow("unknown command without id") << "explode" << usage;
    // The keyboard id is looked up before the command.
    QTest::newRow("unknown command of an unknown keyboard") << "explode 99"
                                                            << "ERR no keyboard 99";
}

void TestSimServer::controlAnswersOfWrongLines()
{
    QFETCH(QString, line);
    QFETCH(QString, answer);
    QCOMPARE(m_server->plug("Aster104", "", false, nullptr), 1);
    QCOMPARE(QString::fromStdString(m_server->execute(line.toStdString())), answer);
    QCOMPARE(m_server->execute("list").substr(0, 13), std::string("OK 1:Aster104"));
}

QTEST_GUILESS_MAIN(TestSimServer)
#include "tst_simserver.moc"
