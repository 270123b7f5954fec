#pragma once

#include <cstdint>

// One cell of a light frame. Keyboard frames are 6 x 22 cells row-major, side frames 60 cells.
struct LightCellStu
{
    int32_t red;
    int32_t green;
    int32_t blue;
    int32_t bgRed; // background colour, read by the side Collision mode
    int32_t bgGreen;
    int32_t bgBlue;
    int32_t alpha; // intensity 0..255
    int32_t state; // music frames: 0 steady, 2 falling
    int32_t code;  // key-reactive counter; 1..9 keep a cell fully shown
    int32_t level; // music bar level; Speed Respond: the level relayed to the keyboard
    int32_t flag;  // Auto Ripple: 1 while a ripple runs
};
static_assert(sizeof(LightCellStu) == 44, "a light cell is eleven 32-bit integers");

constexpr int kLightKeyRows = 6;
constexpr int kLightKeyColumns = 22;
constexpr int kLightKeyCells = kLightKeyRows * kLightKeyColumns;
constexpr int kLightSideCells = 60;
