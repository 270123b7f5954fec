#pragma once

#include "sdk/hid/HidTransport.h"

#include <memory>
#include <string>

// The SDK's ".bin" flashing over one opened bootloader interface: reads the whole image, identifies
// the bootloader, refuses another model's bootloader and runs the transfer. Returns a
// FirmwareUpgradeResult.
class HidFirmwareFlasher
{
public:
    using Progress = void (*)(int total, int current);

    static int flash(const std::shared_ptr<HidTransport> &transport, const std::string &imagePath, bool receiver,
                     Progress progress);
};
