#pragma once

#include "sdk/protocol/FirmwareIdentity.h"
#include "sim/SimLightStreamMemory.h"
#include "sim/SimMagneticMemory.h"
#include "sim/SimOnboardMemory.h"

#include <array>
#include <cstdint>
#include <string>

// One light record as the keyboard keeps it (levels stored minus one, as sent).
struct SimLightRecord
{
    uint8_t mode = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t color[3] = {0, 0, 0};
    uint8_t bgColor[3] = {0, 0, 0};
    uint8_t direction = 0;
    uint8_t fullColor = 0;
    uint8_t extra = 0;
};

// The colours of one custom-light slot: red, green, blue of the 6 x 22 key matrix, row by row.
using SimCustomLightSlot = std::array<uint8_t, 6 * 22 * 3>;

// The simulated keyboard's on-board memory.
struct SimKeyboardMemory
{
    std::string serial;
    SimLightRecord keyboardLight;
    SimLightRecord sideLight;
    uint8_t customLightSlot = 0;
    std::array<SimCustomLightSlot, 2> customLightSlots{};
    SimLightStreamMemory lightStream;
    uint8_t sensitivity = 0;
    uint8_t antiShake = 0;
    uint8_t reportRate = 0;
    uint16_t lightSleepSeconds = 0;
    uint16_t keyboardSleepSeconds = 0;
    uint8_t prohibitSleep = 0;
    uint8_t lockFlags[4] = {0, 0, 0, 0};
    FirmwareIdentity firmware;
    SimMagneticMemory magnetic;
    SimOnboardMemory onboard;
};
