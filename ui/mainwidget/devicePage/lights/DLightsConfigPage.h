#pragma once

#include "device/LightModeSupport.h"
#include "device/MainHidInterFace.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The lighting tab: light modes of the keyboard and side light, custom-light sets.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);

    int getCurrentCustomLightIndex() const;
    void loadProfileLightMode();
    void resendCustomLight();
    void retranslate();
    void applyTheme();
    void selectCustomLight(int, int, int slot);
    void sendSideLightConfig(colorInfoData info);
    void setHidInterface(MainHidInterFace *hidInterface) { m_hidInterface = hidInterface; }
    MainHidInterFace *hidInterface() const { return m_hidInterface.data(); }
    void setLightModeSupport(LightModeSupport keyboard, LightModeSupport side);
    LightModeSupport keyboardLightModeSupport() const { return m_keyboardSupport; }
    LightModeSupport sideLightModeSupport() const { return m_sideSupport; }
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    QString profileXmlPath() const { return QString::fromLocal8Bit(m_profileXmlPath); }
    void switchLightArea(int area, int);
    int customLightSlot() const { return m_customLightSlot; }
    bool isSideLightArea() const { return m_sideLightArea; }

signals:
    void sigCustomLightItemHaveChanged(int flagIndex, QString setIndex, QString setName);
    void sigLightConfigHaveChanged(int from, colorInfoData info);
    void sigLightConfigHaveChanged_Custom(int from, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void sigSomeMessageTip_LightsConfigPage(QString tip);

private:
    // Cleared when the current device's link goes.
    QPointer<MainHidInterFace> m_hidInterface;
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    int m_customLightSlot = -1;
    int m_customLightIndex = -1;
    bool m_sideLightArea = false;
    colorInfoData m_keyboardInfo = {};
    colorInfoData m_sideInfo = {};
    LightModeSupport m_keyboardSupport;
    LightModeSupport m_sideSupport;
};
