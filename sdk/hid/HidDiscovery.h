#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <string>
#include <vector>

// Finds connected supported keyboards: real ones through hidapi, simulated ones in the simulator
// folder when VORLAN_SIM_DIR names one.
class HidDiscovery
{
public:
    static std::vector<std::string> connectedPaths();
    // False when the path is malformed, its ids are not in the catalogue or the device is gone.
    static bool describe(const std::string &path, hidStu *hid, FirmwareInfoStu *firmware);

private:
    static std::vector<std::string> hidapiPaths();
    static std::vector<std::string> simulatedPaths();
};
