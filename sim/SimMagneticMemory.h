#pragma once

#include <array>
#include <cstdint>
#include <map>

// Trigger settings of one key of a magnetic-switch keyboard, as the 0x29 apply report sets them.
struct SimKeyTrigger
{
    uint8_t type = 0;
    uint8_t actuation = 20;
    uint8_t release = 20;
    uint8_t rapidPress = 0;
    uint8_t rapidRelease = 0;
};

// The magnetic-switch part of the on-board memory. Keys are row * 22 + column.
struct SimMagneticMemory
{
    static constexpr int rows = 6;
    static constexpr int columns = 22;

    std::map<int, SimKeyTrigger> triggers;
    std::array<uint8_t, columns> selection{};
    int calibratedKeys = 0;
};
