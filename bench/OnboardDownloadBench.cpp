// OnboardDownloadBench [runs]: full downloads into a simulated magnetic keyboard through the program's
// own path (the HID I/O thread of MainHidInterFace, the GUI thread's event-loop waits), for an empty, a
// typical and a full profile (both layers, ten macros of 40 events, 40 advanced keys).
//
// Time: from the start of the download until it has returned and its last report is on the wire.
// Floor: the same sequence of reports, acknowledgement waits and pauses on an ideal wire, replayed from
// what the download actually did: every report takes one write turn and one read turn of 1 ms each
// (its acknowledgement comes in that read turn), the download waits for the acknowledgement of the
// last report it queued, and the wire keeps draining during the pauses. Stall: the longest gap between
// ticks of a 5 ms timer on the GUI thread during the download.

#include "device/MainHidInterFace.h"
#include "sdk/protocol/HidCmd.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/OnboardProfileFixture.h"
#include "tests/support/StallProbe.h"
#include "ui/mainwidget/devicePage/download/EventLoopDownloadWaiter.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"
#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr double kTurnMs = 1.0;
constexpr qint64 kStallTargetMs = 30;

enum class Step { Report, AckWait, Pause };

// Queues into the I/O thread and notes every report in the download's trace.
class TracingSink : public OnboardReportSink
{
public:
    TracingSink(MainHidInterFace &hid, std::vector<Step> &trace)
        : m_hid(hid)
        , m_trace(trace)
    {
    }

    int sendCommand(const unsigned char *report) override
    {
        m_trace.push_back(Step::Report);
        return m_hid.sendCommand(report);
    }

private:
    MainHidInterFace &m_hid;
    std::vector<Step> &m_trace;
};

class TracingWaiter : public EventLoopDownloadWaiter
{
public:
    explicit TracingWaiter(std::vector<Step> &trace)
        : m_trace(trace)
    {
    }

    void waitProcessingEvents(const std::function<bool()> &done, int timeoutMs) override
    {
        m_trace.push_back(Step::AckWait);
        EventLoopDownloadWaiter::waitProcessingEvents(done, timeoutMs);
    }

    void pause(int ms) override
    {
        m_trace.push_back(Step::Pause);
        EventLoopDownloadWaiter::pause(ms);
    }

private:
    std::vector<Step> &m_trace;
};

double idealMs(const std::vector<Step> &trace)
{
    double download = 0; // where the download's own thread of control is
    double wireFree = 0; // when the wire can take the next report
    for (Step step : trace) {
        switch (step) {
        case Step::Report: wireFree = std::max(download, wireFree) + 2 * kTurnMs; break;
        case Step::AckWait: download = std::max(download, wireFree); break;
        case Step::Pause: download += OnboardDownload::pauseMs; break;
        }
    }
    return std::max(download, wireFree);
}

QVector<int> assignableKeys()
{
    QVector<int> keys;
    for (int code : OnboardProfileFixture::keyMatrix()) {
        if (code > 0)
            keys << code;
    }
    return keys;
}

void fillProfile(OnboardProfileFixture &profile, int macros, int macroKeys, int advancedKeys, int remaps)
{
    const QVector<int> keys = assignableKeys();
    for (int macro = 0; macro < macros; ++macro) {
        QVector<int> typed;
        for (int i = 0; i < macroKeys; ++i)
            typed << 4 + (macro + i) % 26;
        profile.setKey(0, keys[macro], "1", "1", QString::number(macro));
        profile.bindMacro(0, macro, OnboardProfileFixture::typing(typed, 15));
    }
    for (int id = 1; id <= advancedKeys; ++id) {
        SeniorKeyInfoStu key;
        std::memset(&key, 0, sizeof(key));
        key.id = id;
        key.type = 1 + id % 3;
        std::strcpy(key.key1, "4");
        std::strcpy(key.key2, "1,5");
        key.holdMs = 200;
        profile.addAdvancedKey(key);
        const int half = (advancedKeys + 1) / 2;
        profile.setKey(id <= half ? 0 : 1, keys[10 + (id - 1) % half + (id <= half ? 0 : half)], "40", "0",
                       QString::number(id));
    }
    for (int i = 0; i < remaps; ++i)
        profile.setKey(i % 2, keys[60 + i], "0", "0", QString::number(keys[i]));
}

struct Profile
{
    const char *name;
    int macros, macroKeys, advancedKeys, remaps;
};

struct Figures
{
    std::vector<double> ratios, totals, floors, stalls;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double spread(const std::vector<double> &values, bool high)
{
    return high ? *std::max_element(values.begin(), values.end()) : *std::min_element(values.begin(), values.end());
}

// The download's reports on the simulator's clock: milliseconds of the first and the last one.
bool wireSpan(const QJsonObject &dump, int expected, double *firstMs, double *lastMs)
{
    int seen = 0;
    for (const QJsonValue &entry : dump.value("received").toArray()) {
        const QByteArray report = QByteArray::fromHex(entry.toObject().value("report").toString().toLatin1());
        if (report.size() < 2 || uchar(report[1]) == CMD_HANDSHAKE || uchar(report[1]) == CMD_SN_INQUIRY)
            continue;
        const double ms = entry.toObject().value("ms").toDouble();
        if (seen++ == 0)
            *firstMs = ms;
        *lastMs = ms;
    }
    return seen == expected;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    KbdsimProcess sim;
    if (!dir.isValid() || !sim.start(dir.path() + "/sim")) {
        std::fprintf(stderr, "OnboardDownloadBench: kbdsim did not start\n");
        return 1;
    }

    const Profile profiles[] = {{"empty", 0, 0, 0, 0}, {"typical", 3, 6, 6, 12}, {"full", 10, 20, 40, 0}};
    bool allComplete = true;
    for (const Profile &shape : profiles) {
        OnboardProfileFixture profile(dir.path() + "/" + shape.name);
        fillProfile(profile, shape.macros, shape.macroKeys, shape.advancedKeys, shape.remaps);
        OnboardDownloadRequest request;
        request.keyCodes = OnboardProfileFixture::keyMatrix();
        request.magnetic = true;
        request.deviceFolder = profile.folder();
        request.seniorKeyXmlPath = profile.seniorKeyPath();

        Figures figures;
        for (int run = 0; run < runs; ++run) {
            int id = 0;
            const QString path = sim.plug("Quartz68HE", &id);
            MainHidInterFace hid(0, "Quartz68HE");
            if (path.isEmpty() || hid.openHid(path) != 0) {
                std::fprintf(stderr, "OnboardDownloadBench: cannot open the simulated keyboard\n");
                return 1;
            }
            hid.start();
            // Past the serial inquiry and its answer, so the thread is idle when the download starts.
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 300)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

            std::vector<Step> trace;
            TracingSink sink(hid, trace);
            TracingWaiter waiter(trace);
            OnboardDownload download(waiter);
            download.setTargetProvider([&sink] { return &sink; });
            QObject::connect(&hid, &MainHidInterFace::sigHidDataArrived, &download,
                             [&download](const QByteArray &report, int, int) {
                                 if (uchar(report[1]) == CMD_ONBOARD_ACK)
                                     download.onAcknowledged();
                             });

            StallProbe probe;
            probe.start();
            const auto start = std::chrono::steady_clock::now();
            const bool successful = download.run(request);
            const double returnedMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            probe.stop();

            const int reports = int(std::count(trace.begin(), trace.end(), Step::Report));
            double firstMs = 0, lastMs = 0;
            QJsonObject dump;
            QElapsedTimer drained;
            drained.start();
            do {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                dump = sim.dump(id);
            } while (!wireSpan(dump, reports, &firstMs, &lastMs) && drained.elapsed() < 10000);
            hid.closeHid();
            hid.wait();

            // The first report goes out within a turn of the start; the last one ends with its turn.
            const double total = std::max(returnedMs, lastMs - firstMs + kTurnMs);
            const double floor = idealMs(trace);
            const QJsonObject onboard = dump.value("onboard").toObject();
            const QJsonArray places = onboard.value("advancedKeys").toArray();
            const bool complete = successful && std::all_of(places.begin(), places.end(), [](const QJsonValue &place) {
                                      return place.toObject().value("written").toBool();
                                  });
            allComplete = allComplete && complete;
            const int ackWaits = int(std::count(trace.begin(), trace.end(), Step::AckWait));
            std::printf("%-7s run %d: %s, %d reports, %d acknowledgement waits, total %.1f ms, floor %.1f ms, "
                        "ratio %.3f, longest stall %lld ms\n",
                        shape.name, run + 1, complete ? "complete" : "INCOMPLETE", reports, ackWaits, total, floor,
                        total / floor, static_cast<long long>(probe.longestGapMs()));
            figures.ratios.push_back(total / floor);
            figures.totals.push_back(total);
            figures.floors.push_back(floor);
            figures.stalls.push_back(double(probe.longestGapMs()));
            sim.control("unplug " + QString::number(id));
        }
        std::printf("%-7s median of %d: total %.1f ms, floor %.1f ms, ratio %.3f (%.3f-%.3f, target <= 1.050), "
                    "longest stall %.0f ms (%.0f-%.0f, target <= %lld)\n",
                    shape.name, runs, median(figures.totals), median(figures.floors), median(figures.ratios),
                    spread(figures.ratios, false), spread(figures.ratios, true), median(figures.stalls),
                    spread(figures.stalls, false), spread(figures.stalls, true),
                    static_cast<long long>(kStallTargetMs));
    }
    return allComplete ? 0 : 1;
}
