#include "sdk/hid/HidFirmwareFlasher.h"

#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/FirmwareImageFormat.h"
#include "sdk/protocol/FirmwareTransfer.h"
#include "sdk/protocol/ModelCatalog.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

class TransportChannel : public FirmwareTransfer::Channel
{
public:
    explicit TransportChannel(HidTransport &transport)
        : m_transport(transport)
    {
    }

    bool send(const FirmwareTransfer::Report &report) override { return m_transport.write(report.data()) > 0; }

    int receive(FirmwareTransfer::Report *report, int timeoutMs) override
    {
        const int read = m_transport.readTimeout(report->data(), timeoutMs);
        return read < 0 ? -1 : (read > 0 ? 1 : 0);
    }

private:
    HidTransport &m_transport;
};

int resultCode(FirmwareTransfer::Host::Result result, uint8_t status)
{
    using Result = FirmwareTransfer::Host::Result;
    switch (result) {
    case Result::Ok: return FirmwareUpgradeOk;
    case Result::NotIdentified: return FirmwareUpgradeNotBootloader;
    case Result::Timeout: return FirmwareUpgradeTimeout;
    case Result::Gone: return FirmwareUpgradeDeviceGone;
    case Result::TooLarge: return FirmwareUpgradeTooLarge;
    case Result::Refused: return FirmwareUpgradeRefusedBase + status;
    }
    return FirmwareUpgradeTimeout;
}

// The model the image's identity names: field 4 at the layout of the bootloader's model.
bool imageNamesModel(const std::vector<uint8_t> &image, const std::string &model)
{
    const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(model);
    const BinImageLayout *layout = row ? BinImageLayout::forKind(row->kind) : nullptr;
    if (!layout)
        return false;
    const BinImageIdentity identity = BinImageIdentity::read(image, *layout);
    return compareFirmwareText(identity.field(BinImageIdentity::Model), model) == 0;
}

} // namespace

int HidFirmwareFlasher::flash(const std::shared_ptr<HidTransport> &transport, const std::string &imagePath,
                              bool receiver, Progress progress)
{
    if (!transport || imagePath.empty())
        return FirmwareUpgradeBadArgument;
    std::ifstream file(imagePath, std::ios::binary);
    if (!file)
        return FirmwareUpgradeUnreadableFile;
    const std::vector<uint8_t> image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return FirmwareUpgradeUnreadableFile;
    if (image.empty())
        return FirmwareUpgradeEmptyFile;

    TransportChannel channel(*transport);
    FirmwareTransfer::Host host(channel);
    FirmwareTransfer::IdentInfo ident;
    const FirmwareTransfer::Host::Result identified = host.identify(&ident);
    if (identified != FirmwareTransfer::Host::Result::Ok)
        return resultCode(identified, 0);
    if (ident.mode != FirmwareTransfer::ModeBootloader)
        return FirmwareUpgradeNotBootloader;
    if (!imageNamesModel(image, ident.model))
        return FirmwareUpgradeOtherModel;
    if (image.size() > ident.capacity)
        return FirmwareUpgradeTooLarge;

    uint8_t status = 0;
    const FirmwareTransfer::Host::Result result = host.transfer(
        image, receiver ? FirmwareTransfer::ConnectionReceiver : FirmwareTransfer::ConnectionCable,
        FirmwareTransfer::ImageBin,
        [progress](int total, int current) {
            if (progress)
                progress(total, current);
        },
        &status);
    return resultCode(result, status);
}
