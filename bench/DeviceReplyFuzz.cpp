// libFuzzer target: every 64-byte report a keyboard can send goes through the link's dispatcher
// and the reply decoder. Host actions are recorded instead of carried out, and no keyboard is
// opened, so whatever the link answers goes nowhere.

#include "device/DDeviceKeyboardLink.h"
#include "device/DeviceReplyDecoder.h"
#include "device/HidCmdReport.h"
#include "platform/HostKeyActions.h"

#include <QApplication>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

class RecordedActions : public HostKeyActions
{
public:
    void setClipboardText(const QString &) override { ++m_calls; }
    void sendVirtualKey(int, bool) override { ++m_calls; }
    void launch(const QString &) override { ++m_calls; }

private:
    int m_calls = 0;
};

DDeviceKeyboardLink &link()
{
    static int argc = 1;
    static char name[] = "DeviceReplyFuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("DISPLAY");
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app)
    static RecordedActions actions;
    static DDeviceKeyboardLink *instance = [] {
        auto *created = new DDeviceKeyboardLink;
        created->setHostKeyActions(&actions);
        return created;
    }();
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > HidCmdReport::size)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const HidCmdReport report = HidCmdReport::fromBytes(bytes);

    DeviceReplyDecoder::lightModeSupport(report);
    for (int area = 0; area < 2; ++area)
        DeviceReplyDecoder::lightRecord(report, area);
    DeviceReplyDecoder::layoutCheckField(report);
    for (int offset = 0; offset < HidCmdReport::size; offset += 7)
        DeviceReplyDecoder::keyPositions(DeviceReplyDecoder::columnBitmap(report, offset));

    link().onHidDataArrived(bytes, static_cast<int>(size), 0);
    QCoreApplication::processEvents();
    return 0;
}
