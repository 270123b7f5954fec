#include "tests/ui/mainwidget/devicePage/profileOps/SimLink.h"

#include "sdk/hid/VorlanHidSdk.h"

#include <QSignalSpy>
#include <QTest>

#include <cstring>

namespace {

constexpr int kWait = 10000;

bool isSleepInquiry(const QByteArray &report)
{
    return report.at(1) == 0x13 && report.at(2) == 2;
}

} // namespace

bool openSimLink(DDeviceKeyboardLink &link, SimServerFixture &sim, int keyboard, const char *model)
{
    hidStructInfoAll record{};
    std::strncpy(record.hidName, model, sizeof(record.hidName) - 1);
    std::strncpy(record.hidPath, sim.devicePath(keyboard).toLatin1().constData(), sizeof(record.hidPath) - 1);
    QSignalSpy layout(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    link.openHidDevice(0, record);
    return layout.wait(kWait) || layout.count() > 0;
}

QList<QByteArray> receivedUpToMarker(DDeviceKeyboardLink &link, SimServerFixture &sim, int keyboard)
{
    link.checkSleepTime();
    QList<QByteArray> reports;
    const bool arrived = QTest::qWaitFor(
        [&] {
            reports = sim.received(keyboard);
            return !reports.isEmpty() && isSleepInquiry(reports.last());
        },
        kWait);
    if (arrived)
        reports.removeLast();
    return reports;
}

bool SimLinkedKeyboard::open(const char *model)
{
    if (!sim.isRunning() || CVorlanHid_Init() != 0)
        return false;
    keyboard = sim.plug(QString::fromLatin1(model));
    return keyboard > 0 && openSimLink(link, sim, keyboard, model);
}

QList<QByteArray> SimLinkedKeyboard::receivedUpToMarker()
{
    return ::receivedUpToMarker(link, sim, keyboard);
}
