#include "device/DDeviceHidCmdSend.h"

#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"

#include <QDebug>
#include <QUuid>

namespace {

constexpr int kSerialLength = 32;
constexpr int kPayloadStart = 6;

void put(HidCmdReport &report, int index, int value)
{
    report[index] = static_cast<unsigned char>(value & 0xff);
}

void putBytes(HidCmdReport &report, int index, const QByteArray &bytes)
{
    for (int i = 0; i < bytes.size() && index + i < HidCmdReport::size; ++i)
        report[index + i] = static_cast<unsigned char>(bytes.at(i));
}

HidCmdReport magneticInquiry(int subCommand)
{
    HidCmdReport out(CMD_MAGNETIC);
    put(out, 5, 0x18);
    put(out, 6, subCommand);
    return out;
}

HidCmdReport settings(int subCommand)
{
    HidCmdReport out(CMD_SETTINGS);
    put(out, 2, subCommand);
    put(out, 5, 1);
    return out;
}

} // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent)
    : QObject(parent)
{
}

void DDeviceHidCmdSend::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

int DDeviceHidCmdSend::queue(const HidCmdReport &report, const char *failureLine)
{
    const int result = m_hidInterface ? m_hidInterface->sendCommand(report.data()) : -1;
    if (result < 0)
        qDebug().noquote() << failureLine;
    return result;
}

QString DDeviceHidCmdSend::writeSN(const QString &serialNumber)
{
    QString serial = serialNumber;
    if (serial.isEmpty())
        serial = QUuid::createUuid().toString(QUuid::Id128);

    HidCmdReport out(CMD_SN);
    put(out, 5, 0x20);
    putBytes(out, kPayloadStart, serial.toLocal8Bit().left(kSerialLength));
    queue(out, "USB serial port [Write SN] Failed ...");
    return serial;
}

void DDeviceHidCmdSend::writeKey(const QByteArray &keyReport)
{
    HidCmdReport out(CMD_KEY_REPORT);
    put(out, 5, 9);
    putBytes(out, kPayloadStart, keyReport.left(8));
    queue(out, "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::writeFullKey(const HidCmdReport &report)
{
    HidCmdReport out(CMD_FULL_KEY);
    put(out, 5, 0x15);
    for (int index = kPayloadStart; index <= 18; ++index)
        out[index] = report[index];
    queue(out, "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::inquireLightMode()
{
    queue(HidCmdReport(CMD_LIGHT_MODES), "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightMode()
{
    queue(HidCmdReport(CMD_STATUS), "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireKeyboardLightConfig()
{
    HidCmdReport out(CMD_KEYBOARD_LIGHT);
    put(out, 2, 1);
    queue(out, "---------- *** Inquire [Keyboard Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightConfig()
{
    HidCmdReport out(CMD_SIDE_LIGHT);
    put(out, 2, 1);
    queue(out, "---------- *** Inquire [Side Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::resetKeyboard()
{
    HidCmdReport out = settings(0);
    put(out, 6, 1);
    queue(out, "---------- *** [Reset] Failed *** ----------");
}

QByteArray DDeviceHidCmdSend::sleepValueBytes(int value)
{
    int high = 0;
    int low = 0;
    if (value <= 0xffff) {
        const int clamped = qMax(0, value);
        high = clamped >> 8;
        low = clamped & 0xff;
    } else {
        // Wider values keep their first and last two hexadecimal digits.
        const QString hex = QString::number(value, 16);
        high = hex.left(2).toInt(nullptr, 16);
        low = hex.right(2).toInt(nullptr, 16);
    }
    QByteArray bytes;
    bytes.append(static_cast<char>(high));
    bytes.append(static_cast<char>(low));
    return bytes;
}

void DDeviceHidCmdSend::setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep)
{
    HidCmdReport out = settings(1);
    putBytes(out, 9, sleepValueBytes(lightSleep));
    putBytes(out, 11, sleepValueBytes(keyboardSleep));
    put(out, 13, prohibitSleep);
    queue(out, "---------- *** [Set Sleep time] Failed *** ----------");
}

int DDeviceHidCmdSend::setLockWin(int feature1, int feature2, int feature3, int feature4)
{
    HidCmdReport out = settings(0);
    put(out, 6, 0);
    // The keyboard takes the third and fourth flags swapped.
    put(out, 13, feature1);
    put(out, 14, feature2);
    put(out, 15, feature4);
    put(out, 16, feature3);
    return queue(out, "---------- *** [Lock Win] Failed *** ----------");
}

void DDeviceHidCmdSend::checkLayoutSupportCustom()
{
    queue(HidCmdReport(CMD_LAYOUT_CHECK), "USB serial port [Check keyboard layout is support custom] Failed ...");
}

void DDeviceHidCmdSend::checkSleepTime()
{
    queue(settings(2), "---------- *** [Check Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::querySensitivity()
{
    queue(magneticInquiry(4), "USB serial port [Query Keyboard Sensitivity] Failed ...");
}

void DDeviceHidCmdSend::queryAntiShake()
{
    queue(magneticInquiry(10), "USB serial port [Query Keyboard Sensitivity] Failed ...");
}

void DDeviceHidCmdSend::queryRateOfReturn()
{
    queue(magneticInquiry(9), "USB serial port [Query Keyboard Sensitivity] Failed ...");
}
