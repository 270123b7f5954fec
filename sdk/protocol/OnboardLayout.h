#pragma once

// The keyboard's on-board memory as the download fills it: one definition for the program and the
// simulated keyboard. Report codes are in HidCmd.h.
namespace OnboardLayout {

constexpr int reportSize = 64;
// The 6 x 22 key matrix, gaps included, in layout order; 4 bytes per position.
constexpr int keyPositions = 132;
constexpr int keysPerReport = 14;

constexpr int macroSlots = 10;
constexpr int macroParts = 5;
constexpr int macroImageSize = 248;
// The first macro report carries the header and image bytes from report byte 14, the others from byte 6.
constexpr int macroPartZeroOffset = 14;
constexpr int macroPartZeroBytes = 50;
constexpr int macroPartBytes = 58;
constexpr int macroLastPartBytes = 24;

constexpr int advancedKeyPlaces = 40;
constexpr int advancedKeySize = 58; // report bytes 6..63

} // namespace OnboardLayout
