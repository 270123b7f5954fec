#pragma once

#include "sdk/protocol/OnboardLayout.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

// What a download leaves in the keyboard: key layers, macro slots and the advanced-key store.
struct SimOnboardMemory
{
    struct MacroSlot
    {
        uint8_t playMode = 0; // as sent: mode - 1
        uint8_t eventBytes = 0;
        uint8_t playCount = 0;
        uint8_t partsWritten = 0; // bit p: part p arrived
        std::array<uint8_t, OnboardLayout::macroImageSize> image{};
    };
    struct AdvancedKey
    {
        bool written = false;
        std::array<uint8_t, OnboardLayout::advancedKeySize> data{};
    };

    // Layer code (0 default, 1 heavy press, 2 FN) to 4 bytes per position.
    std::map<int, std::vector<uint8_t>> keyLayers;
    std::array<MacroSlot, OnboardLayout::macroSlots> macros{};
    std::array<AdvancedKey, OnboardLayout::advancedKeyPlaces> advancedKeys{};
    int rejectedReports = 0; // on-board reports outside the ranges above
};
