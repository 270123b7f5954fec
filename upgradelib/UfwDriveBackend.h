#pragma once

#include "sdk/protocol/FirmwareTransfer.h"

#include <memory>
#include <string>

// Maps a drive letter to an upgrade drive. The simulator back end finds the drives in the folder
// VORLAN_SIM_DIR names ("drive-<letter>-<tag>.sock"); there is no back end for real devices.
class UfwDriveBackend
{
public:
    // Null when no drive answers at the letter.
    static std::unique_ptr<FirmwareTransfer::Channel> open(char letter);
    static std::string socketName(char letter, const std::string &tag);
};
