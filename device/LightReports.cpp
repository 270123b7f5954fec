#include "device/LightReports.h"

#include <algorithm>

namespace {

constexpr int kKeyboardMarker = 0x0E;
constexpr int kSideMarker = 0x0D;
constexpr int kStaticMode = 0;
constexpr int kPayloadStart = 6;
constexpr int kMaxValues = HidCmdReport::size - kPayloadStart;

unsigned char low8(int value)
{
    return static_cast<unsigned char>(value & 0xff);
}

} // namespace

HidCmdReport LightReports::recordReport(const colorInfoData &record, HidCmd command, int marker)
{
    HidCmdReport report(command);
    report[5] = low8(marker);
    report[6] = low8(record.lightMode);
    report[7] = low8(record.brightness - 1);
    report[8] = low8(record.speed - 1);
    report[9] = low8(record.colorR);
    report[10] = low8(record.colorG);
    report[11] = low8(record.colorB);
    report[12] = low8(record.bgColorR);
    report[13] = low8(record.bgColorG);
    report[14] = low8(record.bgColorB);
    report[15] = low8(record.direction);
    report[16] = low8(record.fullColor);
    report[17] = low8(record.reserved12);
    return report;
}

HidCmdReport LightReports::timedReport(HidCmdReport report, const colorInfoData &record, qint64 msecsSinceEpoch)
{
    // Only the report hides the full-colour flag of Static; the record keeps it.
    if (record.lightMode == kStaticMode)
        report[16] = 0;
    report.setBigEndian16(62, static_cast<uint16_t>(msecsSinceEpoch & 0xffff));
    return report;
}

HidCmdReport LightReports::keyboardModeReport(const colorInfoData &record, qint64 msecsSinceEpoch)
{
    return timedReport(recordReport(record, CMD_KEYBOARD_LIGHT, kKeyboardMarker), record, msecsSinceEpoch);
}

HidCmdReport LightReports::sideModeReport(const colorInfoData &record, qint64 msecsSinceEpoch)
{
    return timedReport(recordReport(record, CMD_SIDE_LIGHT, kSideMarker), record, msecsSinceEpoch);
}

HidCmdReport LightReports::customLightModeReport(const colorInfoData &record)
{
    return recordReport(record, CMD_KEYBOARD_LIGHT, kKeyboardMarker);
}

HidCmdReport LightReports::customLightPacket(int slot, int packet, const QVector<int> &values)
{
    HidCmdReport report(CMD_CUSTOM_LIGHT);
    const int count = std::min(values.size(), kMaxValues);
    report[2] = low8(slot);
    report[4] = low8(packet);
    report[5] = low8(count);
    for (int i = 0; i < count; ++i)
        report[kPayloadStart + i] = low8(values.at(i));
    return report;
}

QVector<QVector<int>> LightReports::customLightPacketValues(const QVector<QColor> &cells)
{
    QVector<QVector<int>> packets;
    QVector<int> values;
    for (int cell = 0; cell < matrixCells; ++cell) {
        const QColor colour = cell < cells.size() ? cells.at(cell) : QColor(0, 0, 0);
        values << colour.red() << colour.green() << colour.blue();
        // Seven packets of 18 cells, then the last 6.
        if ((cell + 1) % cellsPerPacket == 0 || cell + 1 == matrixCells) {
            packets.append(values);
            values.clear();
        }
    }
    return packets;
}
