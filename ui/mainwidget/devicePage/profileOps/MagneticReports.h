#pragma once

#include "device/HidCmdReport.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVector>

#include <optional>

// The 0x29 magnetic-switch reports of the device page and the rules around them. Keys are given as
// QPoint(row, column) of the 6 x 22 key matrix.
namespace MagneticReports {

constexpr int matrixRows = 6;
constexpr int matrixColumns = 22;

enum SubCommand {
    SelectKeys = 2,
    LeaveTriggerTab = 3,
    QueryKey = 5,
    RestoreDefaults = 6,
    CalibrateKey = 7,
    CalibrateAllKeys = 8,
    ReportRate = 9,
    AntiShake = 10,
};

// One byte per column, bit r for row r; keys outside the matrix are left out.
QByteArray columnBitmap(const QVector<QPoint> &keys);
// The keys of a column bitmap, column by column, rows ascending; bits 6 and 7 name no key.
QVector<QPoint> bitmapKeys(const QByteArray &columns);

HidCmdReport magneticReport(int subCommand);
// Trigger settings for the selected keys; selMode is the trigger mode (0, 1, 12 or 13).
HidCmdReport applyReport(int selMode, const QByteArray &bitmap, int actuation, int release, int rapidPress,
                         int rapidRelease);
HidCmdReport selectionReport(const QByteArray &bitmap);
// Sub-commands 5 (query) and 7 (calibrate) name one key.
HidCmdReport keyReport(int subCommand, int row, int column);
HidCmdReport allKeysCalibrationReport(bool start);
// Sub-commands 9 (report rate) and 10 (anti-shake) setting a value.
HidCmdReport valueSetReport(int subCommand, int value);

// Top-left and bottom-right corners of a rubber band.
struct Band
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Band &other) const
    {
        return x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2;
    }
};

// The band's corners ordered; all 0 when it has no width or height. Nothing for a click that
// starts and ends on one point away from the edges.
std::optional<Band> normalizedBand(int startX, int startY, int endX, int endY);

// Tabs of the device page and the keyboard light type of a custom light.
constexpr int lightingTab = 1;
constexpr int triggerTab = 4;
constexpr int customLightType = 10;

// The selection area selects keys on the trigger tab, and on the lighting tab while it edits a
// custom light.
bool selectionAreaActive(int pageIndex, int keyboardLightType);

// The toast of a single-key calibration status.
QString calibrationStatusText(int status);

} // namespace MagneticReports
