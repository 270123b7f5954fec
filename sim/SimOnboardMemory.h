#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

// What a download leaves in the keyboard: key layers, macro slots and the advanced-key store.
struct SimOnboardMemory
{
    // The 6 x 22 key matrix, gaps included, in layout order.
    static constexpr int keyPositions = 132;
    static constexpr int keysPerReport = 14;
    static constexpr int macroSlots = 10;
    static constexpr int macroParts = 5;
    static constexpr int macroImageSize = 248;
    static constexpr int advancedKeyPlaces = 40;
    static constexpr int advancedKeySize = 58;

    struct MacroSlot
    {
        uint8_t playMode = 0; // as sent: mode - 1
        uint8_t eventBytes = 0;
        uint8_t playCount = 0;
        uint8_t partsWritten = 0; // bit p: part p arrived
        std::array<uint8_t, macroImageSize> image{};
    };
    struct AdvancedKey
    {
        bool written = false;
        std::array<uint8_t, advancedKeySize> data{}; // report bytes 6..63
    };

    // Layer code (0 default, 1 heavy press, 2 FN) to 4 bytes per position.
    std::map<int, std::vector<uint8_t>> keyLayers;
    std::array<MacroSlot, macroSlots> macros{};
    std::array<AdvancedKey, advancedKeyPlaces> advancedKeys{};
    int rejectedReports = 0; // on-board reports outside the ranges above
};
