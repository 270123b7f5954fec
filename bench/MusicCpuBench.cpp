// MusicCpuBench [seconds] [runs]: CPU time of the program in music mode. The program's main window
// with a simulated cable keyboard (Aster104), current, its keyboard light in Musical Rhythm at speed 3
// in full colour, on the lighting tab (preview) and streaming its colours, while pacat plays a steady
// 484.5 Hz tone into the private null sink: capture, analysis, preview and stream together. Reports
// the process's CPU time per second of wall time as a share of one core, the complete colour sets
// per second the simulator counted and the lit columns it last saw, with the preview on and off.
// Run it under a display (Xvfb and a window manager) and scripts/with-pulse.sh. Default: 30 s per
// phase, 3 runs.

#include "bench/MusicBenchSession.h"
#include "bench/ProcessCpu.h"
#include "bench/RunEventLoop.h"
#include "tests/support/PulseTools.h"
#include "tests/support/TonePcm.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

// The key columns the stream lit last (any row not black).
QList<int> litColumns(KbdsimProcess &sim, int id)
{
    const QByteArray keys = QByteArray::fromHex(sim.dump(id).value("lightStreamKeys").toString().toLatin1());
    QList<int> lit;
    for (int column = 0; column < 22 && keys.size() == 132 * 3; ++column) {
        for (int row = 0; row < 6; ++row) {
            if (keys.mid((row * 22 + column) * 3, 3) != QByteArray(3, '\0')) {
                lit.append(column);
                break;
            }
        }
    }
    return lit;
}

void report(const char *what, std::vector<double> values, const char *unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %7.2f %s  (range %.2f .. %.2f over %zu runs)\n", what, values[values.size() / 2], unit,
                values.front(), values.back(), values.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    if (!PulseTools::serverAnswers()) {
        std::printf("MusicCpuBench: no sound server answers; skipped (run under scripts/with-pulse.sh)\n");
        return 0;
    }
    MusicBenchSession session;
    if (!session.start("Aster104", false))
        return 1;
    session.showLighting();
    lightDealMain *engine = session.engine();
    runEventLoopFor(5000); // the keyboard has answered the program's first questions about its light
    // The second colour black, so dark cells stream black and only the tone's bar is lit.
    colorInfoData record = engine->keyboardColorInfo();
    record.bgColorR = record.bgColorG = record.bgColorB = 0;
    record.fullColor = 1;
    engine->setKeyboardColorInfoDataStuHaveChanged(record);
    engine->setLightSynchronous(true);
    // The program prints a line per analysis; keep the report readable.
    const int console = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    const auto quiet = [&](bool on) {
        std::fflush(stdout);
        dup2(on ? devNull : console, STDOUT_FILENO);
    };

    struct Phase
    {
        const char *name;
        bool preview;
        std::vector<double> cpu, sets;
    };
    Phase phases[] = {{"preview + stream", true, {}, {}}, {"stream, preview off", false, {}, {}}};
    for (int run = 0; run < runs; ++run) {
        for (Phase &phase : phases) {
            engine->setLightPreviewEnabled(phase.preview);
            PulseTools::TonePlayer player;
            if (!player.play("vorlan_null", tonePcm(binFrequency(45), 0.5, 44100 * (seconds + 5)))) {
                std::fprintf(stderr, "pacat did not start\n");
                return 1;
            }
            quiet(true);
            runEventLoopFor(2000); // the tone reaches the bars
            const QString loadBefore = machineLoad();
            const int setsBefore = session.sim().dump(session.simId()).value("lightStreamSets").toInt();
            const std::map<std::string, double> threadsBefore = ProcessCpu::threadSeconds();
            const double cpuBefore = ProcessCpu::processSeconds();
            QElapsedTimer wall;
            wall.start();
            runEventLoopFor(seconds * 1000);
            const double used = ProcessCpu::processSeconds() - cpuBefore;
            const double elapsed = wall.elapsed() / 1000.0;
            const std::map<std::string, double> threads = ProcessCpu::threadSeconds();
            const int setsAfter = session.sim().dump(session.simId()).value("lightStreamSets").toInt();
            const QList<int> lit = litColumns(session.sim(), session.simId());
            player.stop();
            quiet(false);
            phase.cpu.push_back(100.0 * used / elapsed);
            phase.sets.push_back((setsAfter - setsBefore) / elapsed);
            QStringList columns;
            for (int column : lit)
                columns << QString::number(column);
            std::printf("Run %d, %s: CPU %.2f %% of one core, %.1f sets/s, lit columns [%s], mode %d, music %s; "
                        "load %s -> %s\n",
                        run + 1, phase.name, phase.cpu.back(), phase.sets.back(), qPrintable(columns.join(' ')),
                        engine->keyboardColorInfo().lightMode, engine->isMusicRuning() ? "on" : "off",
                        qPrintable(loadBefore), qPrintable(machineLoad()));
            // Threads that ended meanwhile are left out; the share of each that ran.
            QStringList shares;
            for (const auto &[name, cpuSeconds] : threads) {
                const auto before = threadsBefore.find(name);
                const double share =
                    100.0 * (cpuSeconds - (before != threadsBefore.end() ? before->second : 0)) / elapsed;
                if (share >= 0.05)
                    shares << QString("%1 %2").arg(QString::fromStdString(name)).arg(share, 0, 'f', 2);
            }
            std::printf("  by thread (%% of one core): %s\n", qPrintable(shares.join(", ")));
            std::fflush(stdout);
        }
    }
    for (const Phase &phase : phases) {
        report(qPrintable(QString("%1: CPU").arg(phase.name)), phase.cpu, "% of one core");
        report(qPrintable(QString("%1: colour sets").arg(phase.name)), phase.sets, "/s");
    }
    return 0;
}
