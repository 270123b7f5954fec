#pragma once

#include "sdk/light/LightCellStu.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The running keyboard and side-light effects: one object holds both areas' records and phases.
// Each step computes the next frame. Deterministic for a given seed.
class LightEffectState
{
public:
    static constexpr int kTaken = 0;
    static constexpr int kRefused = -1;

    LightEffectState();

    void seed(uint32_t value);

    // Set: takes the record and restarts the area's effect. HaveChanged: takes the record and keeps
    // the phase when the mode stays the same. A refused record changes nothing.
    int setKeyboard(const colorInfoData &record, int keyCount, const std::string &modelName, bool hasSideLight);
    int setSide(const colorInfoData &record, int count, const std::vector<int> &validFlags);
    int keyboardChanged(const colorInfoData &record);
    int sideChanged(const colorInfoData &record);

    // Advance one step and fill the frame.
    void stepKeyboard(LightCellStu (&frame)[kLightKeyCells]);
    void stepSide(LightCellStu (&frame)[kLightSideCells]);

    // The colour the last keyboard frame implies for a key (colour scaled by its alpha).
    void colorMix(int row, int column, int &red, int &green, int &blue) const;
    // A key press for the key-reactive modes.
    void keyClicked(int row, int column);
    // Colour of the latest press (the first colour before any).
    void rippleColor(int &red, int &green, int &blue) const;
    // Auto Ripple: row, column, red, green, blue of the running ripple (each 0..255).
    std::array<int, 5> autoRippleConfig() const;
    // Collision: head positions and round packed as head1 | head2 << 8 | (round & 0xff) << 16;
    // the byte is the segment count.
    void sideCollisionConfig(int32_t &value, uint8_t &byte) const;

    int keyboardMode() const { return m_keyboard.lightMode; }
    int sideMode() const { return m_side.lightMode; }

private:
    struct Press
    {
        int row;
        int column;
        int age;
        int red, green, blue;
    };
    struct Rgb
    {
        int red, green, blue;
    };

    static bool keyboardModeKnown(int mode);
    static Rgb hue(int degrees);
    static int triangle(int phase, int span);
    uint32_t nextRandom();
    Rgb color1(const colorInfoData &record) const;
    Rgb pressColor();
    void restartKeyboard();
    void restartSide();
    int keyPosition(int row, int column) const;
    void renderReactive(LightCellStu (&frame)[kLightKeyCells]);
    bool pressReaches(const Press &press, int row, int column) const;
    void renderTwinkle(LightCellStu (&frame)[kLightKeyCells]);
    void renderSpeedRespond(LightCellStu (&frame)[kLightKeyCells]);
    void renderAngular(LightCellStu (&frame)[kLightKeyCells]);
    void renderSnake(LightCellStu (&frame)[kLightKeyCells]);

    uint32_t m_random = 1;
    colorInfoData m_keyboard = {};
    colorInfoData m_side = {};
    int m_keyCount = 0;
    std::string m_modelName;
    bool m_hasSideLight = false;
    int m_sideCount = 0;
    std::vector<int> m_sideValid;
    int64_t m_keyStep = 0;
    int64_t m_sideStep = 0;
    std::vector<Press> m_presses;
    std::vector<int64_t> m_pressSteps;          // Speed Respond: steps of the recent presses
    std::array<int, kLightKeyCells> m_counts{}; // key-reactive k per cell
    std::array<Rgb, kLightKeyCells> m_cellColors{};
    std::array<int, kLightKeyCells> m_twinkle{}; // Twinkle phase per cell, 0 = dark
    Rgb m_ripple = {0, 0, 0};
    bool m_autoRunning = false;
    Press m_autoRipple = {};
    int m_collisionHead1 = 0;
    int m_collisionHead2 = 0;
    int m_collisionRound = 0;
    LightCellStu m_lastKeyFrame[kLightKeyCells] = {};
};
