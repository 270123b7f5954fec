#pragma once

#include "device/LightModeSupport.h"
#include "device/MainHidInterFace.h"
#include "device/hidStructInfoAll.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class keyboardButCustom;
class sideLightButtonCustom;

// The light engine: turns the current light records into frames for the keyboard and the
// on-screen preview. The device page owns one for the whole run.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject *parent = nullptr);

    bool isKeyTickerRuning() const { return m_keyTickerRunning; }
    bool isSideTickerRuning() const { return m_sideTickerRunning; }
    void setLightPreviewEnabled(bool enabled) { m_previewEnabled = enabled; }
    bool isLightPreviewEnabled() const { return m_previewEnabled; }

    void loadProfileLightConfig();
    void sendCustomLed(int mode, int slot);
    void setDeviceInfo(hidStructInfoAll deviceInfo);
    hidStructInfoAll deviceInfo() const { return m_deviceInfo; }
    QString hidName() const { return m_hidName; }
    void setHidInterface(MainHidInterFace *hidInterface) { m_hidInterface = hidInterface; }
    MainHidInterFace *hidInterface() const { return m_hidInterface.data(); }
    void setInteractLightsPointXY(int row, int column);
    void setKeyboardColorInfoDataStu(colorInfoData info);
    void setSideColorInfoDataStu(colorInfoData info);
    void setKeyboardColorInfoDataStuHaveChanged(colorInfoData info);
    void setSideColorInfoDataStuHaveChanged(colorInfoData info);
    colorInfoData keyboardColorInfo() const { return m_keyboardInfo; }
    colorInfoData sideColorInfo() const { return m_sideInfo; }
    void setLightSynchronous(bool on);
    void setLightTickerRuning(bool on);
    void setLightModeSupport(LightModeSupport keyboard, LightModeSupport side);
    bool hasSideLight() const { return m_hasSideLight; }
    void setMusicalRhythmParams(int keyCount, int numBars, double lowFreq, double highFreq);

    // Set directly by the device page when a device becomes current.
    keyboardButCustom *keyMatrix[6][22] = {};
    QList<sideLightButtonCustom *> sideLightButtons;

public slots:
    void onSendLightSynchronize0x17Cmd();

private:
    // Cleared when the current device's link goes.
    QPointer<MainHidInterFace> m_hidInterface;
    hidStructInfoAll m_deviceInfo = {};
    QString m_hidName;
    colorInfoData m_keyboardInfo = {};
    colorInfoData m_sideInfo = {};
    bool m_keyTickerRunning = false;
    bool m_sideTickerRunning = false;
    bool m_previewEnabled = false;
    LightModeSupport m_keyboardSupport;
    LightModeSupport m_sideSupport;
    bool m_hasSideLight = false;
};
