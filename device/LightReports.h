#pragma once

#include "device/HidCmdReport.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QColor>
#include <QVector>

// The lighting tab's reports: the keyboard (0x06) and side (0x07) light mode reports of a record
// and the custom-light colour frames (0x08) of the 6 x 22 key matrix.
class LightReports
{
public:
    static constexpr int matrixCells = 6 * 22;
    static constexpr int cellsPerPacket = 18;
    static constexpr int customLightPacketCount = 8;

    // Keyboard (0x06) and side (0x07) light mode reports of a record. Byte 16 is 0 for Static
    // whatever the record's full-colour flag; bytes 62 and 63 carry the low 16 bits of the
    // millisecond clock, high byte first.
    static HidCmdReport keyboardModeReport(const colorInfoData &record, qint64 msecsSinceEpoch);
    static HidCmdReport sideModeReport(const colorInfoData &record, qint64 msecsSinceEpoch);
    // The keyboard mode report that follows the custom-light frames: the full-colour flag as
    // stored, also for Static, and no clock bytes.
    static HidCmdReport customLightModeReport(const colorInfoData &record);
    // One 0x08 frame: slot, packet number, number of values, the values from byte 6.
    static HidCmdReport customLightPacket(int slot, int packet, const QVector<int> &values);
    // The colour values of the eight frames: red, green, blue of 18 cells each, 6 in the last;
    // cell n of the matrix is cells[n], and cells the list does not reach go out black.
    static QVector<QVector<int>> customLightPacketValues(const QVector<QColor> &cells);

private:
    static HidCmdReport recordReport(const colorInfoData &record, HidCmd command, int marker);
    static HidCmdReport timedReport(HidCmdReport report, const colorInfoData &record, qint64 msecsSinceEpoch);
};
