#include "device/MainHidInterFace.h"

#include "device/HidCmdReport.h"
#include "sim/SimServer.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <tuple>

namespace {

QByteArray bytesOf(const SimReport &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), int(report.size()));
}

// Context switches of this process's thread with the given name, or -1 when it is not found.
long long contextSwitchesOf(const QString &threadName)
{
    const QStringList tasks = QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        QFile comm("/proc/self/task/" + task + "/comm");
        if (!comm.open(QIODevice::ReadOnly) || QString::fromLatin1(comm.readAll()).trimmed() != threadName)
            continue;
        QFile status("/proc/self/task/" + task + "/status");
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        long long switches = 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.contains("ctxt_switches:"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        return switches;
    }
    return -1;
}

HidCmdReport lightFrame(int index)
{
    HidCmdReport frame(CMD_LIGHT_STREAM);
    frame[2] = static_cast<unsigned char>(index);
    return frame;
}

} // namespace

class TestMainHidInterFace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstReportIsSerialInquiry();
    void serialReplyReachesOnlySerialSignal();
    void handshakeEverySecond();
    void idleThreadWakesOnlyForHandshakes();
    void reportQueuedWhileBlockedGoesOutAtOnce();
    void lightFramesQueueInBatches_data();
    void lightFramesQueueInBatches();
    void lightFramesNeedTheStream();
    void commandGoesBeforeRemainingLightFrames();
    void queuingWhileClosedFails();
    void closingDuringHeavyTrafficIsClean_data();
    void closingDuringHeavyTrafficIsClean();

private:
    std::vector<SimReport> waitForReports(size_t count);

    std::unique_ptr<SimServer> m_server;
    std::thread m_serverThread;
    int m_keyboard = 0;
    QString m_path;
};

void TestMainHidInterFace::init()
{
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim";
    qputenv("VORLAN_SIM_DIR", folder.toLocal8Bit());
    m_server = std::make_unique<SimServer>(folder.toStdString());
    std::string error;
    QVERIFY2(m_server->start(&error), error.c_str());
    m_serverThread = std::thread([this] { m_server->run(); });
    m_keyboard = m_server->plug("Aster104", "0123456789abcdef0123456789abcdef", false, &error);
    QVERIFY2(m_keyboard > 0, error.c_str());
    m_path = QString::fromStdString(m_server->devicePath(m_keyboard));
}

void TestMainHidInterFace::cleanup()
{
    m_server->stop();
    m_serverThread.join();
    m_server.reset();
    qunsetenv("VORLAN_SIM_DIR");
}

std::vector<SimReport> TestMainHidInterFace::waitForReports(size_t count)
{
    m_server->waitForReceived(m_keyboard, count, std::chrono::seconds(20));
    return m_server->receivedReports(m_keyboard);
}

void TestMainHidInterFace::firstReportIsSerialInquiry()
{
    MainHidInterFace hid(0, "Aster104");
    QSignalSpy opened(&hid, &MainHidInterFace::sigOpenHidSuccessful);
    QCOMPARE(hid.openHid(m_path), 0);
    QCOMPARE(opened.count(), 1);
    // Queued before the thread runs: still goes after the inquiry.
    HidCmdReport inquiry(CMD_KEYBOARD_LIGHT);
    inquiry[2] = 1;
    QCOMPARE(hid.sendCommand(inquiry.data()), 0);
    hid.start();

    const std::vector<SimReport> reports = waitForReports(2);
    QVERIFY(reports.size() >= 2);
    QCOMPARE(bytesOf(reports[0]), HidCmdReport(CMD_SN_INQUIRY).toByteArray());
    QCOMPARE(bytesOf(reports[1]), inquiry.toByteArray());
}

void TestMainHidInterFace::serialReplyReachesOnlySerialSignal()
{
    MainHidInterFace hid(7, "Aster104");
    // Received in this thread, as the link receives them: queued from the I/O thread.
    QList<QPair<QByteArray, QString>> serials;
    QList<std::tuple<QByteArray, int, int>> data;
    connect(&hid, &MainHidInterFace::sigHidSnGetOver, this, [&](QByteArray report, QString name) {
        serials.append({report, name});
    });
    connect(&hid, &MainHidInterFace::sigHidDataArrived, this, [&](QByteArray report, int length, int index) {
        data.append({report, length, index});
    });
    QCOMPARE(hid.openHid(m_path), 0);
    hid.start();

    QTRY_COMPARE_WITH_TIMEOUT(serials.size(), 1, 20000);
    const QByteArray reply = serials.at(0).first;
    QCOMPARE(reply.size(), 64);
    QCOMPARE(int(reply[1]), 0x15);
    QCOMPARE(reply.mid(6, 32), QByteArray("0123456789abcdef0123456789abcdef"));
    QCOMPARE(serials.at(0).second, QString("Aster104"));

    QCOMPARE(m_server->execute("status " + std::to_string(m_keyboard) + " 0 1 55 0 0 0"), std::string("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(data.size(), 1, 20000);
    QCOMPARE(int(std::get<0>(data.at(0))[1]), 0x01);
    QCOMPARE(int(std::get<0>(data.at(0))[10]), 55);
    QCOMPARE(std::get<1>(data.at(0)), 64);
    QCOMPARE(std::get<2>(data.at(0)), 7);
    QCOMPARE(serials.size(), 1);
}

void TestMainHidInterFace::handshakeEverySecond()
{
    MainHidInterFace hid(0, "Aster104");
    QCOMPARE(hid.openHid(m_path), 0);
    hid.start();
    int handshakes = 0;
    QTRY_VERIFY_WITH_TIMEOUT(m_server->withKeyboard(m_keyboard, [&](SimKeyboard &k) { handshakes = k.handshakes(); })
                                 && handshakes >= 2,
                             20000);

    HidCmdReport expected(CMD_HANDSHAKE);
    expected[5] = 1;
    std::vector<int64_t> times;
    m_server->withKeyboard(m_keyboard, [&](SimKeyboard &k) {
        for (const SimLogEntry &entry : k.receivedLog()) {
            if (entry.report[1] == CMD_HANDSHAKE) {
                QCOMPARE(bytesOf(entry.report), expected.toByteArray());
                times.push_back(entry.milliseconds);
            }
        }
    });
    QVERIFY(times.size() >= 2);
    QVERIFY2(times[1] - times[0] >= 900, qPrintable(QString::number(times[1] - times[0])));
}

void TestMainHidInterFace::idleThreadWakesOnlyForHandshakes()
{
    MainHidInterFace hid(0, "Aster104");
    hid.setObjectName("hidIdleProbe");
    QCOMPARE(hid.openHid(m_path), 0);
    hid.start();
    waitForReports(1);
    QTest::qWait(300);

    const size_t before = m_server->receivedReports(m_keyboard).size();
    const long long switchesBefore = contextSwitchesOf("hidIdleProbe");
    QVERIFY(switchesBefore >= 0);
    QTest::qWait(5000);
    const long long switches = contextSwitchesOf("hidIdleProbe") - switchesBefore;
    const std::vector<SimReport> reports = m_server->receivedReports(m_keyboard);

    QVERIFY2(reports.size() - before <= 6, qPrintable(QString::number(reports.size() - before)));
    for (size_t i = before; i < reports.size(); ++i)
        QCOMPARE(int(reports[i][1]), int(CMD_HANDSHAKE));
    // Each handshake costs a wake-up, a write turn, a read turn and the reply: a thread sleeping in
    // short slices would switch hundreds of times.
    QVERIFY2(switches <= 60, qPrintable(QString::number(switches)));
}

void TestMainHidInterFace::reportQueuedWhileBlockedGoesOutAtOnce()
{
    MainHidInterFace hid(0, "Aster104");
    QCOMPARE(hid.openHid(m_path), 0);
    hid.start();
    waitForReports(1);

    std::vector<double> delays;
    for (int round = 0; round < 7; ++round) {
        // Long enough for the thread to block, short of the next handshake.
        QThread::msleep(150);
        const size_t count = m_server->receivedReports(m_keyboard).size();
        const auto queued = std::chrono::steady_clock::now();
        QCOMPARE(hid.sendCommand(HidCmdReport(CMD_LAYOUT_CHECK).data()), 0);
        QVERIFY(m_server->waitForReceived(m_keyboard, count + 1, std::chrono::seconds(5)));
        delays.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - queued).count());
    }
    std::sort(delays.begin(), delays.end());
    // Without the wake-up the report would wait for the next handshake, hundreds of milliseconds; the
    // bound leaves room for a loaded machine running the tests side by side.
    QVERIFY2(delays[delays.size() / 2] <= 20.0, qPrintable(QString("median %1 ms").arg(delays[delays.size() / 2])));
}

void TestMainHidInterFace::lightFramesQueueInBatches_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("batch");
    QTest::newRow("depth 9") << "Aster104" << 10;
    QTest::newRow("depth 10") << "Quartz68HE" << 11;
}

void TestMainHidInterFace::lightFramesQueueInBatches()
{
    QFETCH(QString, model);
    QFETCH(int, batch);
    m_server->unplug(m_keyboard);
    m_keyboard = m_server->plug(model.toStdString(), "", false, nullptr);
    MainHidInterFace hid(0, model);
    QCOMPARE(hid.openHid(QString::fromStdString(m_server->devicePath(m_keyboard))), 0);
    hid.setLightStreamEnabled(true);
    for (int i = 0; i < 15; ++i)
        QCOMPARE(hid.sendLightData(lightFrame(i).data()), 0);
    hid.start();
    waitForReports(size_t(1 + batch));

    // Once the batch has drained, the next offer starts a new batch.
    const int marker = 0xEE;
    for (int i = 0; i < 15; ++i)
        QCOMPARE(hid.sendLightData(lightFrame(marker).data()), 0);
    std::vector<SimReport> reports = waitForReports(size_t(1 + 2 * batch));

    QList<int> frames;
    for (const SimReport &report : reports) {
        if (report[1] == CMD_LIGHT_STREAM)
            frames << report[2];
    }
    QList<int> expected;
    for (int i = 0; i < batch; ++i)
        expected << i;
    for (int i = 0; i < batch; ++i)
        expected << marker;
    QCOMPARE(frames, expected);
}

void TestMainHidInterFace::lightFramesNeedTheStream()
{
    MainHidInterFace hid(0, "Aster104");
    QCOMPARE(hid.openHid(m_path), 0);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(hid.sendLightData(lightFrame(i).data()), 0);
    hid.start();
    // The command after them is the proof nothing else went out first.
    QCOMPARE(hid.sendCommand(HidCmdReport(CMD_LAYOUT_CHECK).data()), 0);
    hid.setLightStreamEnabled(true);
    const std::vector<SimReport> reports = waitForReports(2);
    QCOMPARE(int(reports.at(0)[1]), int(CMD_SN_INQUIRY));
    QCOMPARE(int(reports.at(1)[1]), int(CMD_LAYOUT_CHECK));
    hid.closeHid();
    hid.wait();
    for (const SimReport &report : m_server->receivedReports(m_keyboard))
        QVERIFY(report[1] != CMD_LIGHT_STREAM);
}

void TestMainHidInterFace::commandGoesBeforeRemainingLightFrames()
{
    MainHidInterFace hid(0, "Aster104");
    QCOMPARE(hid.openHid(m_path), 0);
    hid.setLightStreamEnabled(true);
    for (int i = 0; i < 10; ++i)
        hid.sendLightData(lightFrame(i).data());
    hid.start();
    // The batch is draining once its first frame is out.
    waitForReports(2);
    QCOMPARE(hid.sendCommand(HidCmdReport(CMD_LAYOUT_CHECK).data()), 0);
    const std::vector<SimReport> reports = waitForReports(12);

    int commandAt = -1, lastFrameAt = -1;
    for (size_t i = 0; i < reports.size(); ++i) {
        if (reports[i][1] == CMD_LAYOUT_CHECK)
            commandAt = int(i);
        else if (reports[i][1] == CMD_LIGHT_STREAM)
            lastFrameAt = int(i);
    }
    QVERIFY(commandAt > 1);
    QVERIFY2(commandAt < lastFrameAt, "the command waited for the whole batch");
}

void TestMainHidInterFace::queuingWhileClosedFails()
{
    const HidCmdReport report(CMD_LAYOUT_CHECK);
    MainHidInterFace hid(0, "Aster104");
    QCOMPARE(hid.sendCommand(report.data()), -1);
    QCOMPARE(hid.sendLightData(report.data()), -1);
    QCOMPARE(hid.closeHid(), 0);

    QSignalSpy opened(&hid, &MainHidInterFace::sigOpenHidSuccessful);
    QCOMPARE(hid.openHid("hid#vid_1209&pid_0001&mi_01#sim:/nonexistent.sock"), -1);
    QCOMPARE(opened.count(), 0);
    QCOMPARE(hid.sendCommand(report.data()), -1);

    QCOMPARE(hid.openHid(m_path), 0);
    QCOMPARE(hid.sendCommand(report.data()), 0);
    QCOMPARE(hid.closeHid(), 0);
    QCOMPARE(hid.closeHid(), 0);
    QCOMPARE(hid.sendCommand(report.data()), -1);
    QCOMPARE(hid.sendLightData(report.data()), -1);
}

void TestMainHidInterFace::closingDuringHeavyTrafficIsClean_data()
{
    QTest::addColumn<bool>("unplugFirst");
    QTest::newRow("close while traffic flows") << false;
    QTest::newRow("keyboard gone under traffic") << true;
}

void TestMainHidInterFace::closingDuringHeavyTrafficIsClean()
{
    QFETCH(bool, unplugFirst);
    auto hid = std::make_unique<MainHidInterFace>(0, "Aster104");
    int arrived = 0;
    connect(hid.get(), &MainHidInterFace::sigHidDataArrived, this, [&] { ++arrived; });
    QCOMPARE(hid->openHid(m_path), 0);
    hid->setLightStreamEnabled(true);
    hid->start();

    std::atomic<bool> flooding{true};
    std::thread injector([&] {
        const std::string line = "status " + std::to_string(m_keyboard) + " 0 0 50 0 0 0";
        while (flooding)
            m_server->execute(line);
    });
    for (int round = 0; round < 200; ++round) {
        hid->sendCommand(HidCmdReport(CMD_LAYOUT_CHECK).data());
        hid->sendLightData(lightFrame(round).data());
        if (round % 20 == 0)
            QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(arrived > 10, 20000);
    if (unplugFirst)
        m_server->unplug(m_keyboard);
    QCOMPARE(hid->closeHid(), 0);
    // Destroying it with its thread still running stops and joins the thread.
    hid.reset();
    flooding = false;
    injector.join();
    QCoreApplication::processEvents(); // queued reports arriving after the object went
}

QTEST_GUILESS_MAIN(TestMainHidInterFace)
#include "tst_mainhidinterface.moc"
