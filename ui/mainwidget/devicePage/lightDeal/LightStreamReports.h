#pragma once

#include "device/HidCmdReport.h"

#include <QVector>

#include <cstdint>

// The light engine's reports: light synchronisation (0x16), the colour stream (0x0E) and the
// compact light state (0x28) for a keyboard behind a receiver. Pure builders; unnamed bytes are 0.
class LightStreamReports
{
public:
    static constexpr int ledsPerPacket = 18;
    static constexpr int keyLedCount = 132;

    // What the compact state carries besides the clock.
    struct CompactState
    {
        int keyboardMode = 0;
        // Modes 0, 1, 3: the preview colour of key (0, 0).
        int firstKeyRed = 0, firstKeyGreen = 0, firstKeyBlue = 0;
        // Key-reactive modes: a pending press.
        bool pressPending = false;
        int pressRow = 0, pressColumn = 0;
        int rippleRed = 0, rippleGreen = 0, rippleBlue = 0;
        // Speed Respond: the map's largest level and its value.
        bool speedRespondSet = false;
        int speedRespondLevel = 0, speedRespondValue = 0;
        // Auto Ripple while one runs.
        bool autoRippleRunning = false;
        int autoRipple[5] = {};
        // Music: per-column levels and intensities, columns per bar.
        QVector<int> columnLevels, columnIntensities, columnsPerBar;
        // Side light.
        bool hasSideLight = false;
        int sideMode = 0;
        int sideRed = 0, sideGreen = 0, sideBlue = 0;
        int32_t collisionValue = 0;
        uint8_t collisionByte = 0;
    };

    static HidCmdReport syncReport(bool on);
    // One colour-stream packet: area 0 keys, 1 side light; rgb holds at most 54 bytes.
    static HidCmdReport streamReport(int area, int packet, const QVector<uint8_t> &rgb);
    // The colour-stream packets of an area from its LEDs' r, g, b (3 bytes per LED).
    static QVector<HidCmdReport> keyStream(const QVector<uint8_t> &rgb);
    static QVector<HidCmdReport> sideStream(const QVector<uint8_t> &rgb, int ledCount);
    // The compact state; also true for a press that it carries (the caller then clears it).
    static HidCmdReport compactState(const CompactState &state, int64_t msecsSinceEpoch, bool *pressSpent = nullptr);
};
