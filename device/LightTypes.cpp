#include "device/LightTypes.h"

#include <QtGlobal>

namespace LightTypes {

namespace {

constexpr unsigned bit(int direction)
{
    return 1u << direction;
}

constexpr unsigned kLinearAndRadial = bit(LIGHT_DIR_RIGHT) | bit(LIGHT_DIR_LEFT) | bit(LIGHT_DIR_UP)
                                      | bit(LIGHT_DIR_DOWN) | bit(LIGHT_DIR_DISPERSION) | bit(LIGHT_DIR_GATHER);
constexpr unsigned kTurning = bit(LIGHT_DIR_CW) | bit(LIGHT_DIR_UNCW);
constexpr unsigned kRadial = bit(LIGHT_DIR_DISPERSION) | bit(LIGHT_DIR_GATHER);
constexpr unsigned kVertical = bit(LIGHT_DIR_UP) | bit(LIGHT_DIR_DOWN);
constexpr unsigned kAllDirections = kLinearAndRadial | kTurning;

// Ids follow the buttons' order on the tab, not the codes.
const LightButtonInfo kKeyboardButtons[keyboardButtonCount] = {
    {KB_LIGHT_STATIC, 0, QT_TRANSLATE_NOOP("QObject", "Static"), "toolButton_Static", "Static"},
    {KB_LIGHT_NEON, 1, QT_TRANSLATE_NOOP("QObject", "Neon"), "toolButton_Neon", "Neon"},
    {KB_LIGHT_BREATH, 2, QT_TRANSLATE_NOOP("QObject", "Breath"), "toolButton_Breath", "Breath"},
    {KB_LIGHT_WAVE, 3, QT_TRANSLATE_NOOP("QObject", "Wave"), "toolButton_Wave", "Wave"},
    {KB_LIGHT_TWINKLE, 4, QT_TRANSLATE_NOOP("QObject", "Twinkle"), "toolButton_Twinkle", "Twinkle"},
    {KB_LIGHT_SNAKE, 5, QT_TRANSLATE_NOOP("QObject", "Snake"), "toolButton_Snack", "Snack"},
    {KB_LIGHT_RADAR, 6, QT_TRANSLATE_NOOP("QObject", "Radar"), "toolButton_Radar", "Radar"},
    {KB_LIGHT_AUTO_RIPPLE, 7, QT_TRANSLATE_NOOP("QObject", "Auto Ripple"), "toolButton_AutoRipple", "AutoRipple"},
    {KB_LIGHT_STRIATION, 8, QT_TRANSLATE_NOOP("QObject", "Striation"), "toolButton_Striation", "Striation"},
    {KB_LIGHT_AURORA, 9, QT_TRANSLATE_NOOP("QObject", "Aurora"), "toolButton_Aurora", "Aurora"},
    {KB_LIGHT_RIPPLE, 10, QT_TRANSLATE_NOOP("QObject", "Ripple"), "toolButton_Ripple", "Ripple"},
    {KB_LIGHT_REACTIVE, 11, QT_TRANSLATE_NOOP("QObject", "Reactive"), "toolButton_Reactive", "Reactive"},
    {KB_LIGHT_CROSS, 12, QT_TRANSLATE_NOOP("QObject", "Cross"), "toolButton_Cross", "Cross"},
    {KB_LIGHT_DPI, 13, QT_TRANSLATE_NOOP("QObject", "DPI"), "toolButton_MouseDPI", "Dpi"},
    {KB_LIGHT_FIREWORKS, 14, QT_TRANSLATE_NOOP("QObject", "Fireworks"), "toolButton_Fireworks", "Fireworks"},
    {KB_LIGHT_SPEED_RESPOND, 15, QT_TRANSLATE_NOOP("QObject", "Speed Respond"), "toolButton_SpeedRespond",
     "SpeedRespond"},
    {KB_LIGHT_MUSICAL_RHYTHM, 16, QT_TRANSLATE_NOOP("QObject", "Musical Rhythm"), "toolButton_MusicalRhythm",
     "MusicalRhythm"},
    {KB_LIGHT_CUSTOM, 17, QT_TRANSLATE_NOOP("QObject", "Custom"), "toolButton_CustomLed", "CustomLed"},
};

const LightButtonInfo kSideButtons[sideButtonCount] = {
    {SIDE_LIGHT_STATIC, 50, QT_TRANSLATE_NOOP("QObject", "Static"), "toolButton_SideStatic", "Static"},
    {SIDE_LIGHT_NEON, 51, QT_TRANSLATE_NOOP("QObject", "Neon"), "toolButton_SideNeon", "Neon"},
    {SIDE_LIGHT_BREATH, 52, QT_TRANSLATE_NOOP("QObject", "Breath"), "toolButton_SideBreath", "Breath"},
    {SIDE_LIGHT_WAVE, 53, QT_TRANSLATE_NOOP("QObject", "Wave"), "toolButton_SideWave", "Wave"},
    {SIDE_LIGHT_COLLISION, 54, QT_TRANSLATE_NOOP("QObject", "Collision"), "toolButton_SideCollision", "Collision"},
    {SIDE_LIGHT_CLOSE, 55, QT_TRANSLATE_NOOP("QObject", "Close"), "toolButton_SideClose", "Close"},
};

// Direction ids equal the codes; the buttons stand Left, Right, Up, Down, Gather, Dispersion, CW, UnCW.
const LightButtonInfo kDirectionButtons[directionCount] = {
    {LIGHT_DIR_LEFT, LIGHT_DIR_LEFT, nullptr, "pushButton_Left", "Left"},
    {LIGHT_DIR_RIGHT, LIGHT_DIR_RIGHT, nullptr, "pushButton_Right", "Right"},
    {LIGHT_DIR_UP, LIGHT_DIR_UP, nullptr, "pushButton_Up", "Up"},
    {LIGHT_DIR_DOWN, LIGHT_DIR_DOWN, nullptr, "pushButton_Down", "Down"},
    {LIGHT_DIR_GATHER, LIGHT_DIR_GATHER, nullptr, "pushButton_Gather", "Gather"},
    {LIGHT_DIR_DISPERSION, LIGHT_DIR_DISPERSION, nullptr, "pushButton_Dispersion", "Dispersion"},
    {LIGHT_DIR_CW, LIGHT_DIR_CW, nullptr, "pushButton_CW", "Cw"},
    {LIGHT_DIR_UNCW, LIGHT_DIR_UNCW, nullptr, "pushButton_UnCW", "Uncw"},
};

template <int N>
const LightButtonInfo *byId(const LightButtonInfo (&table)[N], int buttonId)
{
    for (const LightButtonInfo &button : table) {
        if (button.buttonId == buttonId)
            return &button;
    }
    return nullptr;
}

template <int N>
const LightButtonInfo *byCode(const LightButtonInfo (&table)[N], int code)
{
    for (const LightButtonInfo &button : table) {
        if (button.code == code)
            return &button;
    }
    return nullptr;
}

int keyboardDefaultDirection(int mode)
{
    switch (mode) {
    case KB_LIGHT_RADAR:
    case KB_LIGHT_SNAKE:
    case KB_LIGHT_STRIATION: return LIGHT_DIR_CW;
    case KB_LIGHT_AURORA:
    case KB_LIGHT_RIPPLE:
    case KB_LIGHT_AUTO_RIPPLE:
    case KB_LIGHT_FIREWORKS: return LIGHT_DIR_DISPERSION;
    case KB_LIGHT_SPEED_RESPOND:
    case KB_LIGHT_MUSICAL_RHYTHM: return LIGHT_DIR_UP;
    default: return LIGHT_DIR_RIGHT;
    }
}

} // namespace

const LightButtonInfo *keyboardButtons()
{
    return kKeyboardButtons;
}

const LightButtonInfo *sideButtons()
{
    return kSideButtons;
}

const LightButtonInfo *directionButtons()
{
    return kDirectionButtons;
}

int keyboardModeOfButton(int buttonId)
{
    const LightButtonInfo *button = byId(kKeyboardButtons, buttonId);
    return button && buttonId != dpiButtonId ? button->code : -1;
}

int sideModeOfButton(int buttonId)
{
    const LightButtonInfo *button = byId(kSideButtons, buttonId);
    return button ? button->code : -1;
}

int keyboardButtonOfMode(int mode)
{
    const LightButtonInfo *button = byCode(kKeyboardButtons, mode);
    return button && button->buttonId != dpiButtonId ? button->buttonId : -1;
}

int sideButtonOfMode(int mode)
{
    const LightButtonInfo *button = byCode(kSideButtons, mode);
    return button ? button->buttonId : -1;
}

const char *keyboardModeName(int mode)
{
    const LightButtonInfo *button = byCode(kKeyboardButtons, mode);
    return button ? button->name : nullptr;
}

const char *sideModeName(int mode)
{
    const LightButtonInfo *button = byCode(kSideButtons, mode);
    return button ? button->name : nullptr;
}

LightModeOffer keyboardModeOffer(int mode)
{
    LightModeOffer offer;
    switch (mode) {
    case KB_LIGHT_STATIC:
    case KB_LIGHT_CUSTOM:
        offer.speed = false;
        offer.fullAndSecondColor = false;
        break;
    case KB_LIGHT_WAVE: offer.directions = kLinearAndRadial; break;
    case KB_LIGHT_RADAR:
    case KB_LIGHT_SNAKE:
    case KB_LIGHT_STRIATION: offer.directions = kTurning; break;
    case KB_LIGHT_AURORA: offer.directions = kRadial; break;
    case KB_LIGHT_SPEED_RESPOND:
        offer.speed = false;
        offer.directions = kVertical;
        break;
    case KB_LIGHT_DPI: offer.directions = kAllDirections; break;
    case KB_LIGHT_MUSICAL_RHYTHM: offer.speed = false; break;
    default: break;
    }
    return offer;
}

LightModeOffer sideModeOffer(int mode)
{
    LightModeOffer offer;
    if (mode == SIDE_LIGHT_STATIC || mode == SIDE_LIGHT_CLOSE) {
        offer.speed = false;
        offer.fullAndSecondColor = false;
    }
    if (mode == SIDE_LIGHT_CLOSE)
        offer.brightness = false;
    return offer;
}

colorInfoData defaultRecord(int area, int mode)
{
    colorInfoData record{};
    record.area = area;
    record.lightMode = mode;
    record.brightness = 3;
    record.speed = 3;
    // A closed side light starts black.
    record.colorR = area == LIGHT_AREA_SIDE && mode == SIDE_LIGHT_CLOSE ? 0 : 255;
    record.direction = area == LIGHT_AREA_KEYBOARD ? keyboardDefaultDirection(mode) : LIGHT_DIR_RIGHT;
    record.fullColor = 1;
    return record;
}

QString keyboardModePicture(const LightButtonInfo &button, bool selected)
{
    return QString(":/images/deviceLed/keyboard/%1%2.png")
        .arg(QLatin1String(button.imageStem), QLatin1String(selected ? "Sel" : "Def"));
}

QString sideModePicture(const LightButtonInfo &button, bool selected)
{
    return QString(":/images/deviceLed/side/side%1%2.png")
        .arg(QLatin1String(button.imageStem), QLatin1String(selected ? "Sel" : "Def"));
}

QString directionPicture(const LightButtonInfo &button, bool selected)
{
    return QString(":/images/deviceLed/Light%1%2.png")
        .arg(QLatin1String(button.imageStem), QLatin1String(selected ? "Sel" : "Def"));
}

const std::array<QRgb, 11> MUSIC_PALETTE_HUE = {
    qRgb(255, 0, 0),   qRgb(255, 128, 0), qRgb(255, 255, 0), qRgb(128, 255, 0), qRgb(0, 255, 0),   qRgb(0, 255, 128),
    qRgb(0, 255, 255), qRgb(0, 128, 255), qRgb(0, 0, 255),   qRgb(128, 0, 255), qRgb(255, 0, 255),
};

const std::array<QRgb, 11> MUSIC_PALETTE_ALT = {
    qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(255, 128, 0), qRgb(255, 255, 0),
    qRgb(128, 255, 0), qRgb(0, 255, 128), qRgb(0, 255, 255), qRgb(0, 128, 255), qRgb(128, 0, 255),
};

const char *const kMusicPaletteAltModel = "Quartz68HE";

} // namespace LightTypes
