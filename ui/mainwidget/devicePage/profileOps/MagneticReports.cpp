#include "ui/mainwidget/devicePage/profileOps/MagneticReports.h"

#include <QObject>

#include <algorithm>

namespace MagneticReports {

namespace {

constexpr int kBitmapStart = 7;

void put(HidCmdReport &report, int index, int value)
{
    report[index] = static_cast<unsigned char>(value & 0xff);
}

void putBitmap(HidCmdReport &report, const QByteArray &bitmap)
{
    for (int column = 0; column < matrixColumns && column < bitmap.size(); ++column)
        report[kBitmapStart + column] = static_cast<unsigned char>(bitmap.at(column));
}

} // namespace

QByteArray columnBitmap(const QVector<QPoint> &keys)
{
    QByteArray bitmap(matrixColumns, '\0');
    for (const QPoint &key : keys) {
        const int row = key.x();
        const int column = key.y();
        if (row < 0 || row >= matrixRows || column < 0 || column >= matrixColumns)
            continue;
        bitmap[column] = static_cast<char>(static_cast<unsigned char>(bitmap.at(column)) | (1u << row));
    }
    return bitmap;
}

QVector<QPoint> bitmapKeys(const QByteArray &columns)
{
    QVector<QPoint> keys;
    for (int column = 0; column < matrixColumns && column < columns.size(); ++column) {
        const auto bits = static_cast<unsigned char>(columns.at(column));
        for (int row = 0; row < matrixRows; ++row) {
            if (bits & (1u << row))
                keys.append(QPoint(row, column));
        }
    }
    return keys;
}

HidCmdReport magneticReport(int subCommand)
{
    HidCmdReport out(CMD_MAGNETIC);
    put(out, 5, 0x18);
    put(out, 6, subCommand);
    return out;
}

HidCmdReport applyReport(int selMode, const QByteArray &bitmap, int actuation, int release, int rapidPress,
                         int rapidRelease)
{
    HidCmdReport out = magneticReport(selMode);
    putBitmap(out, bitmap);
    put(out, 29, actuation);
    put(out, 30, release);
    put(out, 31, rapidPress);
    put(out, 32, rapidRelease);
    return out;
}

HidCmdReport selectionReport(const QByteArray &bitmap)
{
    HidCmdReport out = magneticReport(SelectKeys);
    putBitmap(out, bitmap);
    return out;
}

HidCmdReport keyReport(int subCommand, int row, int column)
{
    HidCmdReport out = magneticReport(subCommand);
    put(out, 7, row);
    put(out, 8, column);
    return out;
}

HidCmdReport allKeysCalibrationReport(bool start)
{
    HidCmdReport out = magneticReport(CalibrateAllKeys);
    put(out, 7, start ? 0 : 1);
    return out;
}

HidCmdReport valueSetReport(int subCommand, int value)
{
    HidCmdReport out = magneticReport(subCommand);
    put(out, 7, 1);
    put(out, 8, value);
    return out;
}

std::optional<Band> normalizedBand(int startX, int startY, int endX, int endY)
{
    if (startX == endX && startY == endY && startX != 0 && startY != 0)
        return std::nullopt;
    if (startX == endX || startY == endY)
        return Band{};
    return Band{std::min(startX, endX), std::min(startY, endY), std::max(startX, endX), std::max(startY, endY)};
}

bool selectionAreaActive(int pageIndex, int keyboardLightType)
{
    return pageIndex == triggerTab || (pageIndex == lightingTab && keyboardLightType == customLightType);
}

QString calibrationStatusText(int status)
{
    switch (status) {
    case 0: return QObject::tr("The key calibration successful");
    case 1: return QObject::tr("The key calibration runing");
    case 2: return QObject::tr("The key calibration failed");
    default: return QObject::tr("Unknow");
    }
}

} // namespace MagneticReports
