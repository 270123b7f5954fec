// OnboardDownloadBench [runs]: a full download into a simulated magnetic keyboard (both layers,
// ten macros of 40 events, 40 advanced keys), timed from the start until the download has returned
// and the last report is written. The floor is what the protocol itself costs: the two 400 ms pauses,
// and one 1 ms pacing turn for every report written and one for the read turn that follows it, for
// the reports that cannot go out during the pauses (those written before the first and after the last).

#include "tests/support/KbdsimProcess.h"
#include "tests/support/OnboardProfileFixture.h"
#include "tests/support/PacedReportLoop.h"
#include "ui/mainwidget/devicePage/download/EventLoopDownloadWaiter.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void fillProfile(OnboardProfileFixture &profile)
{
    QVector<int> keys;
    for (int code : OnboardProfileFixture::keyMatrix()) {
        if (code > 0)
            keys << code;
    }
    for (int macro = 0; macro < 10; ++macro) {
        QVector<int> typed;
        for (int i = 0; i < 20; ++i)
            typed << 4 + (macro + i) % 26;
        profile.setKey(0, keys[macro], "1", "1", QString::number(macro));
        profile.bindMacro(0, macro, OnboardProfileFixture::typing(typed, 15));
    }
    for (int id = 1; id <= 40; ++id) {
        SeniorKeyInfoStu key;
        std::memset(&key, 0, sizeof(key));
        key.id = id;
        key.type = 1 + id % 3;
        std::strcpy(key.key1, "4");
        std::strcpy(key.key2, "1,5");
        key.holdMs = 200;
        profile.addAdvancedKey(key);
        // Twenty in each layer.
        profile.setKey(id <= 20 ? 0 : 1, keys[10 + (id - 1) % 20 + (id <= 20 ? 0 : 20)], "40", "0",
                       QString::number(id));
    }
}

// Notes how many reports were on the wire when the blocking pauses began and ended.
class PauseMarkingWaiter : public EventLoopDownloadWaiter
{
public:
    explicit PauseMarkingWaiter(const PacedReportLoop &device)
        : m_device(device)
    {
    }

    void pause(int ms) override
    {
        if (writtenBeforePauses < 0)
            writtenBeforePauses = m_device.written();
        EventLoopDownloadWaiter::pause(ms);
        writtenAfterPauses = m_device.written();
    }

    int writtenBeforePauses = -1;
    int writtenAfterPauses = 0;

private:
    const PacedReportLoop &m_device;
};

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
    OnboardProfileFixture profile(dir.path() + "/device");
    fillProfile(profile);

    OnboardDownloadRequest request;
    request.keyCodes = OnboardProfileFixture::keyMatrix();
    request.magnetic = true;
    request.deviceFolder = profile.folder();
    request.seniorKeyXmlPath = profile.seniorKeyPath();

    std::vector<double> totals, overheads;
    for (int run = 0; run < runs; ++run) {
        int id = 0;
        const QString path = sim.plug("Quartz68HE", &id);
        PacedReportLoop device;
        PauseMarkingWaiter waiter(device);
        OnboardDownload download(waiter);
        download.setTargetProvider([&device] { return &device; });
        QObject::connect(&device, &PacedReportLoop::reportArrived, &download, [&download](const QByteArray &report) {
            if (report[1] == 0x19)
                download.onAcknowledged();
        });
        if (path.isEmpty() || !device.open(path)) {
            std::fprintf(stderr, "OnboardDownloadBench: cannot open the simulated keyboard\n");
            return 1;
        }

        const auto start = std::chrono::steady_clock::now();
        const bool successful = download.run(request);
        const auto returned = std::chrono::steady_clock::now();
        while (device.queued() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const auto ms = [](auto duration) { return std::chrono::duration<double, std::milli>(duration).count(); };
        const double total = ms(std::max(device.lastWrite(), returned) - start);
        const int onCriticalPath = waiter.writtenBeforePauses + device.written() - waiter.writtenAfterPauses;
        const double floor = 2 * OnboardDownload::pauseMs + 2.0 * onCriticalPath;
        device.close();

        const QJsonObject onboard = sim.dump(id).value("onboard").toObject();
        const QJsonArray places = onboard.value("advancedKeys").toArray();
        const bool complete =
            std::all_of(places.begin(), places.end(),
                        [](const QJsonValue &place) { return place.toObject().value("written").toBool(); })
            && onboard.value("acksSent").toInt() == 50;
        std::printf("run %d: %s, %d reports (%d outside the pauses), returned after %.1f ms, total %.1f ms, "
                    "floor %.1f ms, overhead %.1f ms (%.1f%%)%s\n",
                    run + 1, successful ? "successful" : "FAILED", device.written(), onCriticalPath,
                    ms(returned - start), total, floor, total - floor, 100.0 * (total - floor) / floor,
                    complete ? "" : ", MEMORY INCOMPLETE");
        totals.push_back(total);
        overheads.push_back(100.0 * (total - floor) / floor);
        sim.control("unplug " + QString::number(id));
    }
    std::sort(totals.begin(), totals.end());
    std::sort(overheads.begin(), overheads.end());
    std::printf("median of %d runs: total %.1f ms, overhead beyond the floor %.1f%%\n", runs, totals[totals.size() / 2],
                overheads[overheads.size() / 2]);
    return 0;
}
