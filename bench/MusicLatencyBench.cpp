// MusicLatencyBench [seconds] [runs]: music rhythm from sound to light report. The program's main
// window with a simulated Breeze84W behind its receiver, current, its keyboard light in Musical
// Rhythm at speed 3, against the private sound server (run under scripts/with-pulse.sh). A player
// thread feeds the default sink (the null sink) with silence and bursts of a 484.5 Hz tone.
//
// Our path: from the moment the capture hands over the packet that triggers an analysis to the
// moment the simulator receives the first compact state carrying the new levels, over every
// analysis of a run. The program's trace hook (VORLAN_MUSIC_TRACE) stamps the hand-over, the end
// of the analysis and the queued report; the simulator's log stamps the written report; both use
// the system's monotonic clock.
// Whole delay: from a burst's onset in the null sink (the write time of its first sample plus the
// stream's latency then) to the first compact state that shows its bar.
// Default: 60 s per run (about 300 analyses), 3 runs.

#include "bench/MusicBenchSession.h"
#include "bench/RunEventLoop.h"
#include "sdk/protocol/HidCmd.h"
#include "tests/support/PulseTools.h"
#include "tests/support/TonePcm.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicPathTrace.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kChunkFrames = 441; // 10 ms
constexpr int kBurstChunks = 70;
constexpr int kBar5Byte = 10;

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Plays 10 ms chunks into the default sink: silence, with tone bursts of 700 ms every 2.3 to 2.9 s.
class BurstPlayer
{
public:
    bool start()
    {
        pa_sample_spec spec{PA_SAMPLE_S16LE, 44100, 2};
        pa_buffer_attr buffer{};
        buffer.maxlength = uint32_t(-1);
        // A player's usual buffer (200 ms): a low-latency stream would make the null sink, and so the
        // capture, work in tiny blocks.
        buffer.tlength = 20 * kChunkFrames * 4;
        buffer.prebuf = uint32_t(-1);
        buffer.minreq = uint32_t(-1);
        buffer.fragsize = uint32_t(-1);
        int error = 0;
        m_stream = pa_simple_new(nullptr, "MusicLatencyBench", PA_STREAM_PLAYBACK, nullptr, "bursts", &spec, nullptr,
                                 &buffer, &error);
        if (!m_stream) {
            std::fprintf(stderr, "cannot play into the sink: %s\n", pa_strerror(error));
            return false;
        }
        m_thread = std::thread([this] { run(); });
        return true;
    }

    ~BurstPlayer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_stream)
            pa_simple_free(m_stream);
    }

    std::vector<qint64> onsets()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_onsets;
    }

private:
    void run()
    {
        const QByteArray tone = tonePcm(binFrequency(45), 0.5, kChunkFrames * kBurstChunks);
        const QByteArray silence(kChunkFrames * 4, '\0');
        std::mt19937 random(2026);
        std::uniform_int_distribution<int> gap(160, 220);
        int error = 0;
        while (!m_stop) {
            for (int chunk = gap(random); chunk > 0 && !m_stop; --chunk)
                pa_simple_write(m_stream, silence.constData(), size_t(silence.size()), &error);
            for (int chunk = 0; chunk < kBurstChunks && !m_stop; ++chunk) {
                pa_simple_write(m_stream, tone.constData() + chunk * kChunkFrames * 4, kChunkFrames * 4, &error);
                if (chunk == 0) {
                    // The chunk's first sample is played its own length before the last one.
                    const pa_usec_t latency = pa_simple_get_latency(m_stream, &error);
                    const qint64 onset = monotonicNs() + qint64(latency) * 1000 - 10'000'000;
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_onsets.push_back(onset);
                }
            }
        }
    }

    pa_simple *m_stream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<qint64> m_onsets;
};

struct Written
{
    qint64 ns;
    QByteArray report;
};

struct Trace
{
    QHash<qint64, qint64> handovers; // packet -> ns
    struct Analysis
    {
        qint64 packet;
        qint64 ns;
    };
    std::vector<Analysis> analyses;
    struct State
    {
        qint64 packet;
        qint64 ns;
        QByteArray report;
    };
    std::vector<State> states;
};

Trace readTrace(const QString &path)
{
    Trace trace;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return trace;
    while (!file.atEnd()) {
        const QList<QByteArray> words = file.readLine().trimmed().split(' ');
        if (words.size() < 3)
            continue;
        const qint64 packet = words[1].toLongLong();
        const qint64 ns = words[2].toLongLong();
        if (words[0] == "handover")
            trace.handovers.insert(packet, ns);
        else if (words[0] == "analysis")
            trace.analyses.push_back({packet, ns});
        else if (words[0] == "state" && words.size() >= 4)
            trace.states.push_back({packet, ns, QByteArray::fromHex(words[3])});
    }
    return trace;
}

// The compact states the simulator received, in order, with their monotonic time.
std::vector<Written> writtenStates(KbdsimProcess &sim, int id)
{
    std::vector<Written> states;
    for (const QJsonValue &entry : sim.dump(id).value("received").toArray()) {
        const QJsonObject object = entry.toObject();
        const QByteArray report = QByteArray::fromHex(object.value("report").toString().toLatin1());
        if (report.size() > 4 && uchar(report.at(1)) == CMD_LIGHT_STATE)
            states.push_back({qint64(object.value("us").toDouble()) * 1000, report});
    }
    return states;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

struct RunFigures
{
    std::vector<double> path, queue, ticks, write, whole;
};

RunFigures evaluate(const Trace &trace, const std::vector<Written> &written, const std::vector<qint64> &onsets,
                    qint64 from, qint64 to)
{
    RunFigures figures;
    QHash<qint64, qint64> analysisNs;
    for (const Trace::Analysis &analysis : trace.analyses)
        analysisNs.insert(analysis.packet, analysis.ns);
    size_t next = 0;
    for (const Trace::State &state : trace.states) {
        if (state.ns < from || state.ns > to || !trace.handovers.contains(state.packet))
            continue;
        while (next < written.size() && written[next].ns < state.ns - 1'000'000)
            ++next;
        size_t match = next;
        while (match < written.size() && written[match].report != state.report)
            ++match;
        if (match == written.size())
            continue;
        const qint64 handover = trace.handovers.value(state.packet);
        const qint64 analysed = analysisNs.value(state.packet, handover);
        figures.path.push_back((written[match].ns - handover) / 1e6);
        figures.queue.push_back((analysed - handover) / 1e6);
        figures.ticks.push_back((state.ns - analysed) / 1e6);
        figures.write.push_back((written[match].ns - state.ns) / 1e6);
    }
    for (qint64 onset : onsets) {
        if (onset < from || onset > to)
            continue;
        const auto after = std::lower_bound(written.begin(), written.end(), onset,
                                            [](const Written &w, qint64 ns) { return w.ns < ns; });
        // Only a burst that starts from a dark bar counts.
        if (after == written.begin() || after == written.end() || (after - 1)->report.at(kBar5Byte) != 0)
            continue;
        const auto lit =
            std::find_if(after, written.end(), [](const Written &w) { return w.report.at(kBar5Byte) > 0; });
        if (lit != written.end())
            figures.whole.push_back((lit->ns - onset) / 1e6);
    }
    return figures;
}

void line(const char *what, const std::vector<double> &values)
{
    if (values.empty()) {
        std::printf("  %-42s no samples\n", what);
        return;
    }
    std::printf("  %-42s median %6.1f ms  p95 %6.1f ms  (range %.1f .. %.1f, n=%zu)\n", what, percentile(values, 0.5),
                percentile(values, 0.95), percentile(values, 0), percentile(values, 1), values.size());
}

void summary(const char *what, const std::vector<double> &values)
{
    if (values.empty())
        return;
    std::printf("%-48s median %6.1f ms  (range %.1f .. %.1f over %zu runs)\n", what, percentile(values, 0.5),
                percentile(values, 0), percentile(values, 1), values.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    if (!PulseTools::serverAnswers()) {
        std::printf("MusicLatencyBench: no sound server answers; skipped (run under scripts/with-pulse.sh)\n");
        return 0;
    }
    MusicBenchSession session;
    // A trace file named beforehand is kept for a look afterwards.
    QString tracePath = qEnvironmentVariable(MusicPathTrace::variable);
    if (tracePath.isEmpty()) {
        tracePath = session.folder() + "/music-trace.txt";
        qputenv(MusicPathTrace::variable, tracePath.toLocal8Bit());
    }
    if (!MusicPathTrace::enabled() || !session.start("Breeze84W", true))
        return 1;
    // The program prints a line per analysis; keep the report readable.
    const int console = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    const auto quiet = [&](bool on) {
        std::fflush(stdout);
        dup2(on ? devNull : console, STDOUT_FILENO);
    };
    quiet(true);

    int packets = 0;
    QObject::connect(session.engine()->audioCapture(), &DSoundCardAudioCapture::sigSendCaptureAudioData,
                     [&packets] { ++packets; });
    BurstPlayer player;
    if (!player.start())
        return 1;
    runEventLoopFor(3000); // settle
    std::vector<QString> lines;
    std::vector<double> pathMedian, pathP95, wholeMedian, wholeP95;
    for (int run = 0; run < runs; ++run) {
        session.sim().control(QString("clearlog %1").arg(session.simId()));
        const QString loadBefore = machineLoad();
        const qint64 from = monotonicNs();
        runEventLoopFor(seconds * 1000);
        const qint64 to = monotonicNs();
        runEventLoopFor(500); // the last reports reach the simulator
        const Trace trace = readTrace(tracePath);
        const std::vector<Written> written = writtenStates(session.sim(), session.simId());
        const std::vector<qint64> onsets = player.onsets();
        const RunFigures figures = evaluate(trace, written, onsets, from, to);
        quiet(false);
        std::printf("Run %d: %d s, load %s -> %s\n", run + 1, seconds, qPrintable(loadBefore),
                    qPrintable(machineLoad()));
        const colorInfoData light = session.engine()->keyboardColorInfo();
        std::printf("  mode %d at speed %d, music %s, %d packets captured\n", light.lightMode, light.speed,
                    session.engine()->isMusicRuning() ? "on" : "off", packets);
        std::printf("  trace so far: %d hand-overs, %zu analyses, %zu states; simulator: %zu compact states; "
                    "%zu bursts\n",
                    trace.handovers.size(), trace.analyses.size(), trace.states.size(), written.size(), onsets.size());
        line("our path (hand-over to written report)", figures.path);
        line("  hand-over to analysis done", figures.queue);
        line("  analysis done to report queued (ticks)", figures.ticks);
        line("  queued to written", figures.write);
        line("whole delay (onset in the sink to report)", figures.whole);
        quiet(true);
        if (!figures.path.empty()) {
            pathMedian.push_back(percentile(figures.path, 0.5));
            pathP95.push_back(percentile(figures.path, 0.95));
        }
        if (!figures.whole.empty()) {
            wholeMedian.push_back(percentile(figures.whole, 0.5));
            wholeP95.push_back(percentile(figures.whole, 0.95));
        }
    }
    quiet(false);
    summary("our path: median of the runs", pathMedian);
    summary("our path: p95 of the runs", pathP95);
    summary("whole delay: median of the runs", wholeMedian);
    summary("whole delay: p95 of the runs", wholeP95);
    return pathMedian.empty() ? 1 : 0;
}
