#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QRgb>
#include <QString>

#include <array>

// The light modes, directions and areas of a colorInfoData record, with the lighting tab's button
// ids, names and pictures of each, what each mode offers for editing and the default records.

enum LightArea { LIGHT_AREA_KEYBOARD = 0, LIGHT_AREA_SIDE = 1 };

enum KeyboardLightMode {
    KB_LIGHT_STATIC = 0,
    KB_LIGHT_BREATH = 1,
    KB_LIGHT_WAVE = 2,
    KB_LIGHT_NEON = 3,
    KB_LIGHT_RADAR = 4,
    KB_LIGHT_SNAKE = 5,
    KB_LIGHT_REACTIVE = 6,
    KB_LIGHT_AURORA = 7,
    KB_LIGHT_RIPPLE = 8,
    KB_LIGHT_TWINKLE = 9,
    KB_LIGHT_CUSTOM = 10,
    KB_LIGHT_CROSS = 11,
    KB_LIGHT_SPEED_RESPOND = 12,
    KB_LIGHT_DPI = 13,
    KB_LIGHT_AUTO_RIPPLE = 14,
    KB_LIGHT_STRIATION = 15,
    KB_LIGHT_FIREWORKS = 16,
    KB_LIGHT_MUSICAL_RHYTHM = 100,
};

enum SideLightMode {
    SIDE_LIGHT_STATIC = 0,
    SIDE_LIGHT_BREATH = 1,
    SIDE_LIGHT_WAVE = 2,
    SIDE_LIGHT_COLLISION = 3,
    SIDE_LIGHT_NEON = 4,
    SIDE_LIGHT_CLOSE = 5,
};

enum LightDirection {
    LIGHT_DIR_RIGHT = 0,
    LIGHT_DIR_LEFT = 1,
    LIGHT_DIR_UP = 2,
    LIGHT_DIR_DOWN = 3,
    LIGHT_DIR_DISPERSION = 4,
    LIGHT_DIR_GATHER = 5,
    LIGHT_DIR_CW = 6,
    LIGHT_DIR_UNCW = 7,
};

// First argument of the lighting tab's change signal.
enum LightChangeKind {
    LIGHT_CHANGE_CUSTOM_SLOT = -2,
    LIGHT_CHANGE_AREA = -1,
    LIGHT_CHANGE_COLOR = 0,
    LIGHT_CHANGE_FULL_COLOR = 1,
    LIGHT_CHANGE_BRIGHTNESS = 2,
    LIGHT_CHANGE_SPEED = 3,
    LIGHT_CHANGE_DIRECTION = 4,
};

// One mode or direction button of the lighting tab.
struct LightButtonInfo
{
    int code;
    int buttonId;
    const char *name; // source text, translated in the context "QObject"; null for directions
    const char *buttonName;
    const char *imageStem;
};

// The fields a mode lets the user edit; the first colour is always offered.
struct LightModeOffer
{
    bool brightness = true;
    bool speed = true;
    unsigned directions = 0; // bit n: LightDirection n
    bool fullAndSecondColor = true;

    bool offersDirection(int direction) const
    {
        return direction >= 0 && direction < 8 && (directions >> direction) & 1;
    }
};

namespace LightTypes {

constexpr int keyboardButtonCount = 18;
constexpr int sideButtonCount = 6;
constexpr int directionCount = 8;
constexpr int firstSideButtonId = 50;
// The DPI button has an id but stands for no mode of the keyboard.
constexpr int dpiButtonId = 13;

// In button order (ids 0 to 17, 50 to 55, and the direction buttons as they stand).
const LightButtonInfo *keyboardButtons();
const LightButtonInfo *sideButtons();
const LightButtonInfo *directionButtons();

// Button id -> mode code, -1 for an unknown id and for the DPI button.
int keyboardModeOfButton(int buttonId);
int sideModeOfButton(int buttonId);
// Mode code -> button id, -1 for a code without a selectable button (DPI included).
int keyboardButtonOfMode(int mode);
int sideButtonOfMode(int mode);

// The source text of a mode's name, null for an unknown code ("DPI" for 13).
const char *keyboardModeName(int mode);
const char *sideModeName(int mode);

LightModeOffer keyboardModeOffer(int mode);
LightModeOffer sideModeOffer(int mode);

// The record the tab stores when a profile has none for the area and mode.
colorInfoData defaultRecord(int area, int mode);

// Pictures of a button: ":/images/deviceLed/..." + "Def.png" or "Sel.png".
QString keyboardModePicture(const LightButtonInfo &button, bool selected);
QString sideModePicture(const LightButtonInfo &button, bool selected);
QString directionPicture(const LightButtonInfo &button, bool selected);

// Levels are 1-based; a slider with n steps has the positions 0 to n.
inline int sliderPositionOfLevel(int level)
{
    return level - 1;
}
inline int levelOfSliderPosition(int position)
{
    return position + 1;
}

// Music-rhythm palettes: one colour per spectrum bar (0 to 10). The model named by
// kMusicPaletteAltModel uses the second one, every other model the first.
extern const std::array<QRgb, 11> MUSIC_PALETTE_HUE;
extern const std::array<QRgb, 11> MUSIC_PALETTE_ALT;
extern const char *const kMusicPaletteAltModel;

} // namespace LightTypes
