#pragma once

#include "sdk/light/LightCellStu.h"
#include "sdk/light/LightEffectState.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <cstdint>
#include <vector>

// The SDK's light-effect calls. They act on one process-wide effect state and run in the caller's
// thread; results: 0 = taken, -1 = refused (wrong area, a mode code the area lacks, more than 60
// side segments). A Set restarts the area's effect; a HaveChanged with the running mode keeps its
// phase.

// Receives one frame: 132 cells (6 x 22, row-major) for the keys, 60 for the side light.
using LightFrameCallback = void (*)(const LightCellStu *cells, int count);

// The model name is Latin-1.
int CVorlanHid_SetKeyboardColorInfoDataStu(colorInfoData info, int keyCount, const char *modelName, bool hasSideLight);
// validFlags: one per side segment in layout order, 1 = the LED exists.
int CVorlanHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::vector<int> validFlags);
int CVorlanHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info);
int CVorlanHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info);

// Each call advances the effect one step and calls the callback exactly once, on the calling
// thread, before it returns. The caller's call rate is the effect's speed.
void CVorlanHid_keyboardLightColorRuning(LightFrameCallback callback);
void CVorlanHid_sideLightColorRuning(LightFrameCallback callback);

// The colour the last keyboard frame gives the key.
void CVorlanHid_lightColorMix(int row, int column, int *red, int *green, int *blue);
// The colour of the latest key press (the first colour before any press).
void CVorlanHid_GetCurrentRippleLightColor(int *red, int *green, int *blue);
// Auto Ripple, five values 0..255: row, column, red, green, blue of the running ripple; all 0
// while none runs.
void CVorlanHid_GetCurrentAutoRippleLightConfig(int *values);
// Side Collision: value = first head | second head << 8 | (round mod 256) << 16; byte = the
// segment count.
void CVorlanHid_GetSideCollisionLightRuningConfig(int32_t *value, uint8_t *byte);
// A key press for the key-reactive effects (row 0..5, column 0..21).
void CVorlanHid_keyClickedSendXY(int row, int column);

// Seeds the effects' random numbers (CVorlanLight_Init seeds from the clock).
void CVorlanLight_Seed(uint32_t seed);
