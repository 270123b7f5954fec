#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <string>
#include <vector>

// Finds connected supported keyboards and our bootloaders: real ones through hidapi, simulated ones in the simulator
// folder when VORLAN_SIM_DIR names one.
class HidDiscovery
{
public:
    static std::vector<std::string> connectedPaths();
    // False when the path is malformed, its ids are not in the catalogue or the device is gone.
    static bool describe(const std::string &path, hidStu *hid, FirmwareInfoStu *firmware);
    // One of the bootloader id pairs of the upgradable-model table.
    static bool isBootloaderIds(uint16_t vid, uint16_t pid);

private:
    static std::vector<std::string> hidapiPaths();
    static std::vector<std::string> simulatedPaths();
};
