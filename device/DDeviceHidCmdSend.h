#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class HidCmdReport;
class MainHidInterFace;

// Builds the device link's inquiry and settings reports and queues them on the device's HID I/O
// object. A refused queue (device not open) is logged with the builder's own line and not retried.
class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *hidInterface);

    // An empty serial number is replaced by 32 lowercase hexadecimal digits; returns the one used.
    QString writeSN(const QString &serialNumber);
    // The 8-byte outgoing key report (modifiers, reserved, six keys).
    void writeKey(const QByteArray &keyReport);
    // Echoes bytes 6..18 of an incoming multimedia report.
    void writeFullKey(const HidCmdReport &report);
    void inquireLightMode();
    void inquireSideLightMode();
    void inquireKeyboardLightConfig();
    void inquireSideLightConfig();
    void resetKeyboard();
    void setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep);
    // Returns the queue result (-1: not open).
    int setLockWin(int feature1, int feature2, int feature3, int feature4);
    void checkLayoutSupportCustom();
    void checkSleepTime();
    void querySensitivity();
    void queryAntiShake();
    void queryRateOfReturn();

    // Two bytes, high first, for a sleep value.
    static QByteArray sleepValueBytes(int value);

private:
    int queue(const HidCmdReport &report, const char *failureLine);

    MainHidInterFace *m_hidInterface = nullptr;
};
