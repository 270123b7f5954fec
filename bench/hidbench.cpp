// hidbench: measures the HID I/O thread against a simulated keyboard served by kbdsim (started
// from the same folder as this tool, in a folder of its own):
//   - the CPU an open, idle device costs (I/O thread plus handshake), over 10 s;
//   - the write rate of a burst of 200 commands, as the keyboard receives them.

#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"
#include "sdk/hid/VorlanHidSdk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace {

QString control(const QString &folder, const QString &line)
{
    QLocalSocket socket;
    socket.connectToServer(folder + "/control.sock");
    if (!socket.waitForConnected(2000))
        return QString();
    socket.write((line + "\n").toUtf8());
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return QString::fromUtf8(answer).trimmed();
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QJsonArray receivedReports(const QString &folder)
{
    const QString dump = control(folder, "dump 1");
    return QJsonDocument::fromJson(dump.mid(3).toUtf8()).object().value("received").toArray();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString simulator = QCoreApplication::applicationDirPath() + "/kbdsim";
    QProcess kbdsim;
    kbdsim.start(simulator, {"--dir", folder.path(), "--plug", "Aster104:0123456789abcdef0123456789abcdef"});
    if (!kbdsim.waitForStarted()) {
        std::fprintf(stderr, "hidbench: cannot start %s\n", qPrintable(simulator));
        return 1;
    }
    for (int i = 0; i < 100 && !QFileInfo::exists(folder.path() + "/control.sock"); ++i)
        QThread::msleep(20);
    qputenv("VORLAN_SIM_DIR", folder.path().toLocal8Bit());
    CVorlanHid_Init();
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    if (paths.empty()) {
        std::fprintf(stderr, "hidbench: the simulated keyboard did not appear\n");
        return 1;
    }

    MainHidInterFace hid(0, "Aster104");
    if (hid.openHid(QString::fromStdString(paths.front())) != 0)
        return 1;
    hid.start();
    runEventLoop(1000);

    // Idle: the thread's turns and the handshake, nothing else.
    const int idleMs = 10000;
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    runEventLoop(idleMs);
    const double cpu = cpuSeconds() - cpuBefore;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("idle open device: %.2f %% of one core over %.1f s (I/O thread plus handshake)\n",
                100.0 * cpu / elapsed, elapsed);

    // Burst: 200 commands queued at once; the keyboard's clock times their arrival.
    control(folder.path(), "clearlog 1");
    const int burst = 200;
    HidCmdReport command(CMD_LIGHT_STATE);
    for (int i = 0; i < burst; ++i) {
        command[2] = static_cast<unsigned char>(i);
        hid.sendCommand(command.data());
    }
    QJsonArray received;
    QElapsedTimer waited;
    waited.start();
    do {
        runEventLoop(100);
        received = QJsonArray();
        for (const QJsonValue &entry : receivedReports(folder.path())) {
            if (entry.toObject().value("report").toString().startsWith("01 28"))
                received.append(entry);
        }
    } while (received.size() < burst && waited.elapsed() < 10000);
    if (received.size() < burst) {
        std::fprintf(stderr, "hidbench: only %d of %d commands arrived\n", int(received.size()), burst);
        return 1;
    }
    const double firstMs = received.first().toObject().value("ms").toDouble();
    const double lastMs = received.last().toObject().value("ms").toDouble();
    const double rate = (burst - 1) * 1000.0 / std::max(1.0, lastMs - firstMs);
    std::printf("burst of %d commands: %.0f reports/s (bound: one write per two 1 ms ticks = 500/s), "
                "first to last %.0f ms\n",
                burst, rate, lastMs - firstMs);

    hid.closeHid();
    hid.wait();
    kbdsim.terminate();
    kbdsim.waitForFinished();
    return 0;
}
