// LightEngineBench [seconds] [runs]: the program's main window, shown, with a simulated cable
// keyboard with a side light (its default profile: Wave in full colour), synchronised. Reports the
// process's CPU time per second of wall time as a share of one core, the preview refresh rate seen
// on one key cap and the complete colour sets per second the simulator counted, for three phases:
// preview and stream, stream only (preview off), and the tickers alone. Run it under a display
// (Xvfb and a window manager). Default: 30 s per phase, 3 runs. A fourth phase with the tickers
// stopped gives the rest of the program's cost; each phase also lists the CPU share per thread
// (the light tickers carry their own thread names). Then the engine's own work per tick (slots
// called directly) and, for comparison, the cost of a bare thread that sleeps 1 ms in a loop.

#include "app/DDataManager.h"
#include "bench/ProcessCpu.h"
#include "bench/RunEventLoop.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/PaintCounter.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "widgets/keyboardButCustom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using ThreadTimes = std::map<std::string, double>;


struct Figures
{
    double cpuShare; // of one core, percent
    double paintsPerSecond;
    double setsPerSecond;
    std::map<std::string, double> threadShares; // percent of one core per thread name
};

Figures measure(KbdsimProcess &sim, int id, keyboardButCustom *cap, int seconds)
{
    PaintCounter counter;
    cap->installEventFilter(&counter);
    const int setsBefore = sim.dump(id).value("lightStreamSets").toInt();
    const ThreadTimes threadsBefore = ProcessCpu::threadSeconds();
    const double cpuBefore = ProcessCpu::processSeconds();
    QElapsedTimer wall;
    wall.start();
    runEventLoopFor(seconds * 1000);
    const double cpu = ProcessCpu::processSeconds() - cpuBefore;
    const double elapsed = wall.elapsed() / 1000.0;
    const ThreadTimes threadsAfter = ProcessCpu::threadSeconds();
    const int sets = sim.dump(id).value("lightStreamSets").toInt() - setsBefore;
    cap->removeEventFilter(&counter);
    Figures figures{100.0 * cpu / elapsed, counter.paints / elapsed, sets / elapsed, {}};
    for (const auto &[name, after] : threadsAfter) {
        const auto before = threadsBefore.find(name);
        const double used = after - (before == threadsBefore.end() ? 0.0 : before->second);
        if (used > 0)
            figures.threadShares[name] = 100.0 * used / elapsed;
    }
    return figures;
}

double threadCpuSecondsNow()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The engine's own work per tick, without the ticker threads' wake-ups: each slot called directly
// in the GUI thread. Microseconds of CPU per call.
void reportTickCosts(lightDealMain *engine)
{
    struct Slot
    {
        const char *name;
        void (lightDealMain::*slot)();
    };
    const Slot ticks[] = {
        {"key tick (effect + colours)", &lightDealMain::onDviceUpdateAllKeyColor},
        {"side tick (effect + colours)", &lightDealMain::onDviceUpdateAllSideLightColor},
        {"send tick (colour stream)", &lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid},
    };
    constexpr int calls = 2000;
    for (const Slot &slot : ticks) {
        const double before = threadCpuSecondsNow();
        for (int i = 0; i < calls; ++i)
            (engine->*slot.slot)();
        const double used = threadCpuSecondsNow() - before;
        std::printf("%-34s %8.2f us per call\n", slot.name, 1e6 * used / calls);
    }
}

// The floor of a ticker that sleeps 1 ms: a bare thread doing only that, for comparison with the
// key and side tickers on the same machine.
class SleepReference : public QThread
{
public:
    std::atomic<bool> stop{false};
    double cpuSeconds = 0;

protected:
    void run() override
    {
        while (!stop.load())
            msleep(1);
        cpuSeconds = threadCpuSecondsNow();
    }
};

void reportSleepReference(int seconds)
{
    SleepReference reference;
    QElapsedTimer wall;
    wall.start();
    reference.start();
    runEventLoopFor(seconds * 1000);
    reference.stop.store(true);
    reference.wait();
    std::printf("%-34s %8.2f %% of one core\n", "bare thread sleeping 1 ms (floor)",
                100.0 * reference.cpuSeconds / (wall.elapsed() / 1000.0));
}

// Median per thread name over the runs of one phase (a run without the thread counts 0).
void reportThreads(const char *phase, const std::vector<Figures> &runs)
{
    std::map<std::string, std::vector<double>> shares;
    for (const Figures &run : runs) {
        for (const auto &entry : run.threadShares)
            shares[entry.first];
    }
    for (auto &[name, values] : shares) {
        for (const Figures &run : runs) {
            const auto found = run.threadShares.find(name);
            values.push_back(found == run.threadShares.end() ? 0.0 : found->second);
        }
        std::sort(values.begin(), values.end());
        std::printf("  %-20s thread %-16s median %6.2f %%  (range %.2f .. %.2f)\n", phase, name.c_str(),
                    values[values.size() / 2], values.front(), values.back());
    }
}

void report(const char *phase, std::vector<double> values, const char *unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %8.2f %s  (range %.2f .. %.2f)\n", phase, values[values.size() / 2], unit, values.front(),
                values.back());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    initVorlanResources();
    // The upgrade window of a first start would cover the picture and run its marquee.
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    KbdsimProcess sim;
    if (!sim.start(home.path() + "/sim")) {
        std::fprintf(stderr, "kbdsim did not start\n");
        return 1;
    }
    int id = 0;
    if (sim.plug("Aster104", &id).isEmpty()) {
        std::fprintf(stderr, "cannot plug the keyboard\n");
        return 1;
    }
    auto window = std::make_unique<DMainWidget>();
    window->show();
    DDevicePage *page = window->devicePage();
    if (!QTest::qWaitFor([&] { return page->getCurrentDeviceItem() && page->getKeyView(); }, 30000)
        || !QTest::qWaitFor([&] { return page->lightEngine()->isLightSynchronous(); }, 10000)) {
        std::fprintf(stderr, "the keyboard did not become current\n");
        return 1;
    }
    lightDealMain *engine = page->lightEngine();
    keyboardButCustom *cap = nullptr;
    for (keyboardButCustom *candidate : DDataManager::instance()->getKeyButtonMap()) {
        if (candidate) {
            cap = candidate;
            break;
        }
    }
    if (!cap) {
        std::fprintf(stderr, "no key cap on the picture\n");
        return 1;
    }
    // The key caps show the light colours on the lighting tab.
    if (QToolButton *lighting = page->findChild<QToolButton *>("toolButton_LightConfig"))
        QTest::mouseClick(lighting, Qt::LeftButton);
    QTest::qWait(500);
    // Wave in full colour on both areas at the top level (the program's default record), whatever
    // the keyboard reported.
    for (int area = 0; area < 2; ++area) {
        colorInfoData wave{};
        wave.area = area;
        wave.lightMode = 2;
        wave.brightness = 5;
        wave.speed = 3;
        wave.colorR = 255;
        wave.fullColor = 1;
        if (area == 0)
            engine->setKeyboardColorInfoDataStu(wave);
        else
            engine->setSideColorInfoDataStu(wave);
    }
    std::printf("Keyboard mode %d (full colour %d), side mode %d; %d s per phase, %d runs\n",
                engine->keyboardColorInfo().lightMode, engine->keyboardColorInfo().fullColor,
                engine->sideColorInfo().lightMode, seconds, runs);
    std::fflush(stdout);
    runEventLoopFor(2000); // settle

    std::vector<double> cpuFull, paints, sets, cpuStream, cpuTickers, cpuStopped;
    std::vector<Figures> fullRuns, streamRuns, tickerRuns, stoppedRuns;
    for (int run = 0; run < runs; ++run) {
        engine->setLightTickerRuning(true);
        engine->setLightPreviewEnabled(true);
        engine->setLightSynchronous(true);
        fullRuns.push_back(measure(sim, id, cap, seconds));
        cpuFull.push_back(fullRuns.back().cpuShare);
        paints.push_back(fullRuns.back().paintsPerSecond);
        sets.push_back(fullRuns.back().setsPerSecond);

        engine->setLightPreviewEnabled(false);
        streamRuns.push_back(measure(sim, id, cap, seconds));
        cpuStream.push_back(streamRuns.back().cpuShare);

        engine->setLightSynchronous(false);
        tickerRuns.push_back(measure(sim, id, cap, seconds));
        cpuTickers.push_back(tickerRuns.back().cpuShare);

        engine->setLightTickerRuning(false);
        stoppedRuns.push_back(measure(sim, id, cap, seconds));
        cpuStopped.push_back(stoppedRuns.back().cpuShare);
    }
    report("preview + stream: CPU", cpuFull, "% of one core");
    report("preview + stream: cap repaints", paints, "/s");
    report("preview + stream: complete sets", sets, "/s");
    report("stream, preview off: CPU", cpuStream, "% of one core");
    report("tickers alone: CPU", cpuTickers, "% of one core");
    report("engine stopped: CPU", cpuStopped, "% of one core");
    // Synchronised with the tickers stopped: the send tick streams as it does while running.
    engine->setLightSynchronous(true);
    reportTickCosts(engine);
    engine->setLightSynchronous(false);
    reportSleepReference(seconds);
    reportThreads("preview + stream", fullRuns);
    reportThreads("stream only", streamRuns);
    reportThreads("tickers alone", tickerRuns);
    reportThreads("engine stopped", stoppedRuns);
    engine->setLightTickerRuning(true);
    engine->setLightPreviewEnabled(true);
    engine->setLightSynchronous(true);
    window.reset();
    return 0;
}
