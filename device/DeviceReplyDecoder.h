#pragma once

#include "device/HidCmdReport.h"
#include "device/LightModeSupport.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// Reads the payloads of incoming 64-byte reports. Every reader stays inside the report.
class DeviceReplyDecoder
{
public:
    // A 0x02 or 0x0A mode list: codes up to the first marker (0xA5 or 0x5A), then, after any
    // further markers, the speed and the brightness step counts. Without a marker every byte from
    // 6 to 63 is a code and both counts are 0.
    static LightModeSupport lightModeSupport(const HidCmdReport &report);
    // A 0x07 or 0x08 light record; levels arrive minus one.
    static colorInfoData lightRecord(const HidCmdReport &report, int area);
    // The fifth comma-separated field of a 0x0D text (empty when there are fewer fields).
    static QString layoutCheckField(const HidCmdReport &report);
    // The 22 column bytes that start at offset, keyed by column, rows in bits 0..5.
    static QMap<int, int> columnBitmap(const HidCmdReport &report, int offset);
    // (row, column) of every key of a column bitmap, in ascending column and row order.
    static QList<QPair<int, int>> keyPositions(const QMap<int, int> &bitmap);
};
