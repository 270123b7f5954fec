// linkprobe: opens supported keyboards through the device link and prints, per keyboard, every
// report it receives and the end of the start-up inquiry chain.
//   linkprobe [SECONDS] [PATH...]     without paths, every connected supported keyboard
// Exits 0 when every keyboard ended its chain within the time, 1 otherwise.

#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/HidText.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace {

void printLine(const QElapsedTimer &clock, const QString &path, const QString &text)
{
    std::printf("%8.3f %s %s\n", clock.elapsed() / 1000.0, qPrintable(path), qPrintable(text));
    std::fflush(stdout);
}

bool deviceRecord(const std::string &path, hidStructInfoAll *record)
{
    hidStu hid{};
    FirmwareInfoStu firmware{};
    if (!CVorlanHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware))
        return false;
    *record = hidStructInfoAll{};
    copyHidText(record->hidPath, sizeof(record->hidPath), path);
    copyHidText(record->hidName, hid.hidName);
    record->usbOrDongle = hid.isDongle;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // The data manager the link reports to needs a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);

    bool ok = true;
    const double seconds = arguments.isEmpty() ? 5.0 : arguments.first().toDouble(&ok);
    if (!ok || seconds <= 0 || CVorlanHid_Init() != 0) {
        std::fprintf(stderr, "usage: linkprobe [SECONDS] [PATH...]\n");
        return 2;
    }

    std::list<std::string> paths;
    for (const QString &path : arguments.mid(1))
        paths.push_back(path.toStdString());
    if (paths.empty())
        CVorlanHid_GetHidInfoList(&paths);
    if (paths.empty()) {
        std::fprintf(stderr, "linkprobe: no supported keyboard\n");
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<DDeviceKeyboardLink>> links;
    int remaining = 0;
    for (const std::string &path : paths) {
        hidStructInfoAll record{};
        const QString name = QString::fromStdString(path);
        if (!deviceRecord(path, &record)) {
            printLine(clock, name, QStringLiteral("not a supported keyboard"));
            continue;
        }
        auto link = std::make_unique<DDeviceKeyboardLink>();
        DDeviceKeyboardLink *raw = link.get();
        QObject::connect(
            raw, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, &app,
            [&, raw, name](const QString &, const QString &field) {
                if (!raw->isInquireOver())
                    return;
                printLine(clock, name, QStringLiteral("inquiry over: serial %1, layout %2").arg(raw->getSN(), field));
                if (--remaining == 0)
                    app.exit(0);
            },
            // After the reply's own line.
            Qt::QueuedConnection);
        printLine(clock, name, QStringLiteral("open %1").arg(QString::fromLatin1(record.hidName)));
        raw->openHidDevice(static_cast<int>(links.size()), record);
        if (!raw->getHidInterface() || !raw->getHidInterface()->isRunning()) {
            printLine(clock, name, QStringLiteral("cannot open"));
            continue;
        }
        const auto printReport = [&clock, name](const QByteArray &data) {
            printLine(clock, name, QStringLiteral("RX ") + QString::fromLatin1(data.toHex(' ')));
        };
        QObject::connect(raw->getHidInterface(), &MainHidInterFace::sigHidSnGetOver, &app,
                         [printReport](const QByteArray &data, const QString &) { printReport(data); });
        QObject::connect(raw->getHidInterface(), &MainHidInterFace::sigHidDataArrived, &app,
                         [printReport](const QByteArray &data, int, int) { printReport(data); });
        ++remaining;
        links.push_back(std::move(link));
    }
    if (remaining == 0)
        return 1;

    QTimer::singleShot(static_cast<int>(seconds * 1000), &app, [&app] { app.exit(1); });
    const int status = app.exec();
    if (status != 0)
        std::fprintf(stderr, "linkprobe: %d keyboard(s) did not end the inquiry chain\n", remaining);
    for (const auto &link : links)
        link->getHidInterface()->closeHid();
    return status;
}
