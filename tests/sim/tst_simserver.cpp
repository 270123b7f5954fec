#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/SimSocketName.h"
#include "sim/SimServer.h"

#include <QtTest>

#include <algorithm>
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
    QCOMPARE(QByteArray(hid.hidName), QByteArray("Breeze84W"));
    QCOMPARE(hid.isDongle, 1);

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
    QVERIFY(writeThenRead(handle, {{1, 0x14}}).size() == 64); // connected and served

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
    QVERIFY(memory.value("received").toArray().at(0).toObject().value("report").toString().startsWith("00 14 00"));
    ::close(fd);
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
        "ERR commands: plug <model> [serial|-] [receiver] | <model>[:serial][:receiver], unplug <id>, list, inject "
        "<id> <hex bytes>, "
        "status <id> <keyLock> <charging> <battery> <connection> <receiverLink> <download> [mode], "
        "key <id> <hex bytes>, media <id> <hex bytes>, hostkey <id> <code> <pressed>, "
        "light <id> <area> <mode> <brightness> <speed> <r> <g> <b>, custom <id> <slot>, bitmap <id> <hex bytes>, "
        "travel <id> <row> <column> <value>, "
        "serial <id> normal|blank|short, mute <id> on|off, drop <id> <hex code> on|off, latency <id> <ms>, "
        "ackdrop <id> off|all|<n>, ackdelay <id> <ms>, dump <id>, clearlog <id>";
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
        {"serial", "blank", "blank"},
        {"mute", "on", "on"},
        {"drop", "14 on", "14 on"},
        {"latency", "5", "5"},
        {"ackdrop", "all", "all"},
        {"ackdelay", "5", "5"},
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
