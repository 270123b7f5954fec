// LightEngineBench [seconds] [runs]: the program's main window, shown, with a simulated cable
// keyboard with a side light (its default profile: Wave in full colour), synchronised. Reports the
// process's CPU time per second of wall time as a share of one core, the preview refresh rate seen
// on one key cap and the complete colour sets per second the simulator counted, for three phases:
// preview and stream, stream only (preview off), and the tickers alone. Run it under a display
// (Xvfb and a window manager). Default: 30 s per phase, 3 runs.

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "widgets/keyboardButCustom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Counts the paints of one key cap: one per preview refresh while the colour changes.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Figures
{
    double cpuShare; // of one core, percent
    double paintsPerSecond;
    double setsPerSecond;
};

Figures measure(KbdsimProcess &sim, int id, keyboardButCustom *cap, int seconds)
{
    PaintCounter counter;
    cap->installEventFilter(&counter);
    const int setsBefore = sim.dump(id).value("lightStreamSets").toInt();
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    const double cpu = processCpuSeconds() - cpuBefore;
    const double elapsed = wall.elapsed() / 1000.0;
    const int sets = sim.dump(id).value("lightStreamSets").toInt() - setsBefore;
    cap->removeEventFilter(&counter);
    return {100.0 * cpu / elapsed, counter.paints / elapsed, sets / elapsed};
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
    const auto caps = DDataManager::instance()->getKeyInfoList();
    keyboardButCustom *cap = nullptr;
    for (keyboardButCustom *candidate : caps) {
        if (candidate && candidate->isVisible()) {
            cap = candidate;
            break;
        }
    }
    if (!cap) {
        std::fprintf(stderr, "no key cap on the picture\n");
        return 1;
    }
    std::printf("Keyboard mode %d (full colour %d), side mode %d; %d s per phase, %d runs\n",
                engine->keyboardColorInfo().lightMode, engine->keyboardColorInfo().fullColor,
                engine->sideColorInfo().lightMode, seconds, runs);
    QTest::qWait(2000); // settle

    std::vector<double> cpuFull, paints, sets, cpuStream, cpuTickers;
    for (int run = 0; run < runs; ++run) {
        engine->setLightPreviewEnabled(true);
        engine->setLightSynchronous(true);
        const Figures full = measure(sim, id, cap, seconds);
        cpuFull.push_back(full.cpuShare);
        paints.push_back(full.paintsPerSecond);
        sets.push_back(full.setsPerSecond);

        engine->setLightPreviewEnabled(false);
        cpuStream.push_back(measure(sim, id, cap, seconds).cpuShare);

        engine->setLightSynchronous(false);
        cpuTickers.push_back(measure(sim, id, cap, seconds).cpuShare);
    }
    report("preview + stream: CPU", cpuFull, "% of one core");
    report("preview + stream: cap repaints", paints, "/s");
    report("preview + stream: complete sets", sets, "/s");
    report("stream, preview off: CPU", cpuStream, "% of one core");
    report("tickers alone: CPU", cpuTickers, "% of one core");
    engine->setLightPreviewEnabled(true);
    engine->setLightSynchronous(true);
    window.reset();
    return 0;
}
