#include "DeviceReplyDecoder.h"

namespace {

constexpr int kPayloadStart = 6;
constexpr int kColumnCount = 22;
constexpr int kRowBits = 0x3f;

bool isModeListMarker(int value)
{
    return value == 0xA5 || value == 0x5A;
}

} // namespace

int DeviceReplyDecoder::byteAt(const QByteArray &report, int index)
{
    if (index < 0 || index >= report.size() || index >= ReportSize)
        return 0;
    return static_cast<unsigned char>(report.at(index));
}

int DeviceReplyDecoder::bigEndian16(const QByteArray &report, int offset)
{
    return byteAt(report, offset) * 256 + byteAt(report, offset + 1);
}

LightModeSupport DeviceReplyDecoder::lightModeSupport(const QByteArray &report)
{
    LightModeSupport support;
    int index = kPayloadStart;
    while (index < ReportSize && !isModeListMarker(byteAt(report, index)))
        support.modes.append(byteAt(report, index++));
    if (index >= ReportSize)
        return support;

    while (index < ReportSize && isModeListMarker(byteAt(report, index)))
        ++index;
    // A marker near the end leaves no room for the counts; they stay 0 rather than being read
    // past the report.
    if (index < ReportSize)
        support.speedSteps = byteAt(report, index);
    if (index + 1 < ReportSize)
        support.brightnessSteps = byteAt(report, index + 1);
    return support;
}

colorInfoData DeviceReplyDecoder::lightRecord(const QByteArray &report, int area)
{
    colorInfoData record{};
    record.area = area;
    record.lightMode = byteAt(report, 6);
    record.brightness = byteAt(report, 7) + 1;
    record.speed = byteAt(report, 8) + 1;
    record.colorR = byteAt(report, 9);
    record.colorG = byteAt(report, 10);
    record.colorB = byteAt(report, 11);
    record.bgColorR = byteAt(report, 12);
    record.bgColorG = byteAt(report, 13);
    record.bgColorB = byteAt(report, 14);
    record.direction = byteAt(report, 15);
    record.fullColor = byteAt(report, 16);
    record.reserved12 = byteAt(report, 17);
    record.reserved13 = 0;
    return record;
}

QString DeviceReplyDecoder::layoutCheckField(const QByteArray &report)
{
    const QByteArray payload = report.mid(kPayloadStart, ReportSize - kPayloadStart);
    const int end = payload.indexOf('\0');
    const QString text = QString::fromLocal8Bit(end < 0 ? payload : payload.left(end));
    const QStringList fields = text.split(QLatin1Char(','));
    return fields.size() > 4 ? fields.at(4) : QString();
}

QMap<int, int> DeviceReplyDecoder::columnBitmap(const QByteArray &report, int offset)
{
    QMap<int, int> bitmap;
    for (int column = 0; column < kColumnCount; ++column)
        bitmap.insert(column, byteAt(report, offset + column));
    return bitmap;
}

QList<QPair<int, int>> DeviceReplyDecoder::keyPositions(const QMap<int, int> &bitmap)
{
    QList<QPair<int, int>> positions;
    for (auto it = bitmap.constBegin(); it != bitmap.constEnd(); ++it) {
        // Bits 6 and 7 name no row of the key matrix.
        const int rows = it.value() & kRowBits;
        for (int row = 0; row < 6; ++row) {
            if (rows & (1 << row))
                positions.append(qMakePair(row, it.key()));
        }
    }
    return positions;
}
