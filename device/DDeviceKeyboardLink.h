#pragma once

#include "device/HidCmdReport.h"
#include "device/LightModeSupport.h"
#include "device/OutgoingKeyReport.h"
#include "device/hidStructInfoAll.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>

class DDeviceHidCmdSend;
class HostKeyActions;
class MainHidInterFace;

// The program's object for one opened keyboard: opens it, learns or gives its serial number, runs
// the start-up inquiry chain, keeps what the keyboard reports, dispatches every incoming report and
// carries out the keys the keyboard hands to the PC. GUI thread only.
class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceKeyboardLink(QObject *parent = nullptr);
    ~DDeviceKeyboardLink() override;

    void openHidDevice(int threadIndex, const hidStructInfoAll &record);

    void setCurrentProfileXmlPath(const char *path);
    void setCurrentProfileIndex(int index);
    void setDongleWatchEnabled(bool enabled);
    // Asks again for the light records and the layout, after which light records are saved.
    void inquireLightConfig();

    void resetKeyboard();
    void checkSleepTime();
    void setSleepTime(int light, int keyboard, int prohibit);
    int setLockWinConfig(int feature1, int feature2, int feature3, int feature4);

    MainHidInterFace *getHidInterface() const { return m_hidInterface; }
    QString getSN() const { return m_serialNumber; }
    bool isInquireOver() const { return m_inquireOver; }
    LightModeSupport getKeyboardLightModeSupport() const { return m_keyboardLightModeSupport; }
    LightModeSupport getSideLightModeSupport() const { return m_sideLightModeSupport; }
    QList<QPair<int, int>> getKeyPositionList() const { return m_keyPositionList; }
    QMap<int, int> getAllKeysCalibrationMap() const { return m_allKeysCalibrationMap; }
    bool isProfileLightSaved() const { return m_profileLightSaved; }
    void setProfileLightSaved(bool saved) { m_profileLightSaved = saved; }

    void saveLightInfoToProfile(int area);

    // Forwarded keys and host key actions.
    void updateOutgoingKey(int usage, bool pressed);
    static int modifierBitToUsage(int modifierByte);
    void onForwardedKeyEvent(int command, int unused, int usage, bool pressed);
    void onHostKeyEvent(const HidCmdReport &report);
    void pasteKeyText(const QString &text);
    void switchKeyProfile(const KeyOperateInfo &info);
    void launchKeyApplication(const KeyOperateInfo &info);

    // The host actions used for pasting and launching; the desktop's own unless a test sets others.
    void setHostKeyActions(HostKeyActions *actions);

    // The one model that reports a keyboard mode in byte 14 of its status report.
    static const char *keyboardModeModelName();

public slots:
    void onHidSNDataArrived(const QByteArray &data, const QString &strHidName);
    void onHidDataArrived(const QByteArray &data, int length, int threadIndex);

signals:
    void sigCustomEventChangProfile(int changeProfileIndex);
    void sigSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                             QString strCurrentSN);
    void sigDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void sigWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void sigSleepTimeSetSuccessful();
    void sigRuningOnboard0x19Cmd();
    void sigRuningOnboard0x18Cmd();
    void sigRuningOnboardDownloadStatus(int statusNun);
    void sigQN9080Recv0x0bCmd(int recvNum);
    void sigLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void sigCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void sigTheKeyboardModeChanged(int mode);

private:
    void onStatusReport(const HidCmdReport &data);
    void onLightModeList(const HidCmdReport &data, bool sideLight);
    void onLightRecord(const HidCmdReport &data, int area);
    void onCustomLightSlot(const HidCmdReport &data);
    void onKeyBitmap(const HidCmdReport &data);
    void onSettingsReply(const HidCmdReport &data);
    void onMagneticReply(const HidCmdReport &data);
    void onForwardedKeyReport(const HidCmdReport &data);
    void onMultimediaReport(const HidCmdReport &data);

    // Profile calls need a profile file; before the device page sets one they are not made.
    bool hasProfile() const;
    QByteArray profileIndexText() const;

    hidStructInfoAll m_deviceRecord{};
    QString m_hidName;
    MainHidInterFace *m_hidInterface = nullptr;
    DDeviceHidCmdSend *m_cmdSend = nullptr;
    QByteArray m_profilePath;
    int m_profileIndex = 1;
    bool m_inquireOver = false;
    QString m_serialNumber;
    bool m_keyLock = false;
    QByteArray m_lastKeyState = QByteArray(OutgoingKeyReport::Size, '\0');
    OutgoingKeyReport m_outgoingKeyReport;
    LightModeSupport m_keyboardLightModeSupport;
    bool m_keyboardRecordReceived = false;
    LightModeSupport m_sideLightModeSupport;
    bool m_sideRecordReceived = false;
    QMap<int, int> m_keyBitmap;
    QList<QPair<int, int>> m_keyPositionList;
    colorInfoData m_keyboardLightRecord{};
    colorInfoData m_sideLightRecord{};
    bool m_lightSaving = false;
    int m_lastDongleState = -1;
    bool m_dongleWatch = false;
    int m_lastKeyboardMode = -1;
    bool m_profileLightSaved = false;
    QMap<int, int> m_allKeysCalibrationMap;
    HostKeyActions *m_hostKeyActions = nullptr;
};
