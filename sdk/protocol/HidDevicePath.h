#pragma once

#include <cstdint>
#include <string>

// A device path in the form callers match on: hid#vid_XXXX&pid_YYYY&mi_NN#<back-end path>.
// The back-end path is a hidraw node, or "sim:" followed by a simulator socket path.
struct HidDevicePath
{
    uint16_t vid = 0;
    uint16_t pid = 0;
    int interfaceNumber = 0;
    std::string backendPath;

    static constexpr const char *simPrefix = "sim:";

    bool isSimulated() const;
    // The socket path of a simulated keyboard (back-end path without its prefix).
    std::string simSocketPath() const;
    std::string toString() const;
    // False for anything that is not exactly the form above.
    static bool parse(const std::string &text, HidDevicePath *out);
};
