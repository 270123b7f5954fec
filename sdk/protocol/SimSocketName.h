#pragma once

#include <cstdint>
#include <string>

// File names of simulated keyboards in the simulator folder: kbd-VVVV-PPPP-MM-<tag>.sock, with
// the USB ids in hexadecimal, so the SDK can list them without talking to them.
class SimSocketName
{
public:
    static constexpr const char *controlName = "control.sock";

    static std::string format(uint16_t vid, uint16_t pid, int interfaceNumber, const std::string &tag);
    static bool parse(const std::string &fileName, uint16_t *vid, uint16_t *pid, int *interfaceNumber);
    // The folder named by VORLAN_SIM_DIR, or empty when simulated keyboards are not wanted.
    static std::string simulatorFolder();
};
