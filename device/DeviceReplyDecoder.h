#pragma once

#include "LightModeSupport.h"
#include "VorlanXmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// Reads the payloads of incoming 64-byte reports. Every reader stays inside the report.
class DeviceReplyDecoder
{
public:
    static constexpr int ReportSize = 64;

    // A 0x02 or 0x0A mode list: codes up to the first marker (0xA5 or 0x5A), then, after any
    // further markers, the speed and the brightness step counts. Without a marker every byte from
    // 6 to 63 is a code and both counts are 0.
    static LightModeSupport lightModeSupport(const QByteArray &report);
    // A 0x07 or 0x08 light record; levels arrive minus one.
    static colorInfoData lightRecord(const QByteArray &report, int area);
    // The fifth comma-separated field of a 0x0D text (empty when there are fewer fields).
    static QString layoutCheckField(const QByteArray &report);
    // The 22 column bytes that start at offset, keyed by column, rows in bits 0..5.
    static QMap<int, int> columnBitmap(const QByteArray &report, int offset);
    // (row, column) of every key of a column bitmap, in ascending column and row order.
    static QList<QPair<int, int>> keyPositions(const QMap<int, int> &bitmap);
    // A 16-bit big-endian value.
    static int bigEndian16(const QByteArray &report, int offset);

    static int byteAt(const QByteArray &report, int index);
};
