#pragma once

#include <array>
#include <cstdint>

// What the keyboard keeps of the light synchronisation: the flag, the streamed colours, the count
// of complete colour sets, the last compact state and the receiver's custom-light buffer.
struct SimLightStreamMemory
{
    bool synchronised = false;
    std::array<uint8_t, 132 * 3> keys{};
    std::array<uint8_t, 60 * 3> side{};
    uint32_t keyPackets = 0; // packets of the set in progress, one bit each
    uint32_t sidePackets = 0;
    uint32_t completeSets = 0;
    std::array<uint8_t, 64> lastState{};
    bool haveState = false;
    std::array<uint8_t, 132 * 3> customLight{};
};
