#include "device/DeviceReplyDecoder.h"

namespace {

constexpr int kPayloadStart = 6;
constexpr int kColumnCount = 22;
constexpr int kRowBits = 0x3f;

bool isModeListMarker(int value)
{
    return value == 0xA5 || value == 0x5A;
}

} // namespace

LightModeSupport DeviceReplyDecoder::lightModeSupport(const HidCmdReport &report)
{
    LightModeSupport support;
    int index = kPayloadStart;
    while (index < HidCmdReport::size && !isModeListMarker(report[index]))
        support.modes.append(report[index++]);
    if (index >= HidCmdReport::size)
        return support;

    while (index < HidCmdReport::size && isModeListMarker(report[index]))
        ++index;
    // A marker near the end leaves no room for the counts; they stay 0 rather than being read
    // past the report.
    if (index < HidCmdReport::size)
        support.speedSteps = report[index];
    if (index + 1 < HidCmdReport::size)
        support.brightnessSteps = report[index + 1];
    return support;
}

colorInfoData DeviceReplyDecoder::lightRecord(const HidCmdReport &report, int area)
{
    colorInfoData record{};
    record.area = area;
    record.lightMode = report[6];
    record.brightness = report[7] + 1;
    record.speed = report[8] + 1;
    record.colorR = report[9];
    record.colorG = report[10];
    record.colorB = report[11];
    record.bgColorR = report[12];
    record.bgColorG = report[13];
    record.bgColorB = report[14];
    record.direction = report[15];
    record.fullColor = report[16];
    record.reserved12 = report[17];
    record.reserved13 = 0;
    return record;
}

QString DeviceReplyDecoder::layoutCheckField(const HidCmdReport &report)
{
    const QByteArray payload = report.toByteArray().mid(kPayloadStart);
    const int end = payload.indexOf('\0');
    const QString text = QString::fromLocal8Bit(end < 0 ? payload : payload.left(end));
    const QStringList fields = text.split(QLatin1Char(','));
    return fields.size() > 4 ? fields.at(4) : QString();
}

QMap<int, int> DeviceReplyDecoder::columnBitmap(const HidCmdReport &report, int offset)
{
    QMap<int, int> bitmap;
    for (int column = 0; column < kColumnCount && offset + column < HidCmdReport::size; ++column)
        bitmap.insert(column, report[offset + column]);
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
