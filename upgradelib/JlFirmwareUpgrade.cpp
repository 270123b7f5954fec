#include "upgradelib/JlUpgradeApi.h"
#include "upgradelib/UfwDriveBackend.h"
#include "upgradelib/UfwImageStore.h"

#include "sdk/protocol/FirmwareTransfer.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#define JL_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::atomic<bool> g_upgrading{false};

void copyBounded(char *out, int size, const std::string &text, bool terminate)
{
    if (!out || size <= 0)
        return;
    std::memset(out, 0, static_cast<size_t>(size));
    const size_t room = terminate ? static_cast<size_t>(size) - 1 : static_cast<size_t>(size);
    std::memcpy(out, text.data(), std::min(room, text.size()));
}

int resultOf(FirmwareTransfer::Host::Result result, uint8_t status)
{
    using Result = FirmwareTransfer::Host::Result;
    switch (result) {
    case Result::Ok: return JL_OK;
    case Result::NotIdentified: return JL_ERR_NO_DEVICE;
    case Result::Timeout: return JL_ERR_TIMEOUT;
    case Result::Gone: return JL_ERR_DEVICE_GONE;
    case Result::TooLarge: return JL_ERR_REFUSED;
    case Result::Refused:
        return (status == FirmwareTransfer::StatusCrcMismatch || status == FirmwareTransfer::StatusWrongImage)
                   ? JL_ERR_VERIFY
                   : JL_ERR_REFUSED;
    }
    return JL_ERR_REFUSED;
}

// Opens the drive and identifies it as an upgrade drive.
std::unique_ptr<FirmwareTransfer::Channel> openDrive(char letter, FirmwareTransfer::IdentInfo *ident, int *error)
{
    std::unique_ptr<FirmwareTransfer::Channel> channel = UfwDriveBackend::open(letter);
    if (!channel) {
        *error = JL_ERR_NO_DEVICE;
        return nullptr;
    }
    FirmwareTransfer::Host host(*channel);
    const FirmwareTransfer::Host::Result result = host.identify(ident);
    if (result != FirmwareTransfer::Host::Result::Ok || ident->mode != FirmwareTransfer::ModeDrive) {
        *error = result == FirmwareTransfer::Host::Result::Gone ? JL_ERR_DEVICE_GONE : JL_ERR_NO_DEVICE;
        return nullptr;
    }
    *error = JL_OK;
    return channel;
}

} // namespace

JL_EXPORT int JL_loadUfwData(const unsigned char *data, int size)
{
    return UfwImageStore::instance().load(data, size);
}

JL_EXPORT int JL_getUfwCrc(unsigned short *crc16, unsigned int *crc32)
{
    const auto image = UfwImageStore::instance().current();
    if (!image || !crc16 || !crc32)
        return JL_ERR_ARGUMENT;
    *crc16 = image->header.headerCrc;
    *crc32 = image->header.payloadCrc;
    return JL_OK;
}

JL_EXPORT int JL_getUfwPidVid(char *product, int productSize, char *version, int versionSize)
{
    const auto image = UfwImageStore::instance().current();
    if (!image || !product || !version || productSize <= 0 || versionSize <= 0)
        return JL_ERR_ARGUMENT;
    copyBounded(product, productSize, image->header.product, true);
    copyBounded(version, versionSize, image->header.version, false);
    return JL_OK;
}

JL_EXPORT int JL_queryDevicePidVid(char letter, char *out16, int size16, char *out8, int size8)
{
    FirmwareTransfer::IdentInfo ident;
    int error = JL_OK;
    if (!openDrive(letter, &ident, &error))
        return error;
    copyBounded(out16, size16, ident.model, true);
    copyBounded(out8, size8, ident.version, true);
    return JL_OK;
}

JL_EXPORT int JL_upgradeDevice(char letter, int /*verify*/, int /*restart*/, JL_UpgradeProgress progress)
{
    // A copy for this call: a load on another thread does not change what is flashed.
    const auto image = UfwImageStore::instance().current();
    if (!image)
        return JL_ERR_ARGUMENT;
    bool idle = false;
    if (!g_upgrading.compare_exchange_strong(idle, true))
        return JL_ERR_BUSY;
    struct Release
    {
        ~Release() { g_upgrading = false; }
    } release;

    FirmwareTransfer::IdentInfo ident;
    int error = JL_OK;
    std::unique_ptr<FirmwareTransfer::Channel> channel = openDrive(letter, &ident, &error);
    if (!channel)
        return error;
    if (ident.model != image->header.product)
        return JL_ERR_PRODUCT;
    FirmwareTransfer::Host host(*channel);
    FirmwareTransfer::IdentInfo again;
    // The transfer continues on this host: it starts with its own IDENT.
    if (host.identify(&again) != FirmwareTransfer::Host::Result::Ok)
        return JL_ERR_DEVICE_GONE;
    int shown = -1;
    const auto report = [&](int percent) {
        if (progress && percent > shown) {
            shown = percent;
            progress(percent);
        }
    };
    report(0);
    uint8_t status = 0;
    const FirmwareTransfer::Host::Result result = host.transfer(
        image->bytes, FirmwareTransfer::ConnectionCable, FirmwareTransfer::ImageUfw,
        [&](int total, int current) { report(total > 0 ? static_cast<int>(99LL * current / total) : 0); }, &status);
    const int code = resultOf(result, status);
    if (code == JL_OK)
        report(100);
    return code;
}
