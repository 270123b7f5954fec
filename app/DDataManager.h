#pragma once

#include "app/ThemeColorInfo.h"
#include "platform/WindowsTypes.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class keyboardButCustom;
class keySelectFrame;

// The process-wide data manager: folders, user settings, theme and fonts, and the state of the
// current device shared between pages. Created by the first instance() call and never deleted;
// GUI thread only.
class DDataManager : public QObject
{
    Q_OBJECT

public:
    static DDataManager *instance();

    // ---- Folders and user settings ----
    QString getAppDataDir() const;
    QString getUserConfigDir() const;
    static QString getApplicationDirPath();
    bool isUserConfig() const;
    bool isBgImageUsing() const;
    void setBgImageUsing(bool isUsing);
    bool isAppVersionChanged() const;
    bool isLightSynchronize() const;
    bool isInitialized() const;

    // ---- Colour theme and fonts ----
    void loadTheme(int themeIndex);
    ThemeColorInfo getThemeInfo() const;
    // Kind 0: bold theme font, 1: normal theme font, anything else: the fallback font.
    // Without local fonts every kind gives the fallback font.
    QFont getFont(int kind) const;
    void setUseLocalFont(bool useLocalFont);
    static QString themeFilePath(int themeIndex, bool userConfig, const QString &applicationDirPath);

    // ---- Device state, key tables and signal relays (DDataManagerDeviceState.cpp) ----
    // Path getters copy into the caller's buffer of kPathBufferSize bytes, NUL-terminated.
    static constexpr int kPathBufferSize = 256;
    void setCurrentProfileXmlPath(const char *path);
    void getCurrentProfileXmlPath(char *destination) const;
    void setMagneticProfileXmlPath(const char *path);
    void getMagneticProfileXmlPath(char *destination) const;
    void setMacroXmlPath(const char *path);
    void getMacroXmlPath(char *destination) const;
    void setSeniorKeyXmlPath(const char *path);
    void getSeniorKeyXmlPath(char *destination) const;
    void setCurrentProfileIndex(int index);
    int getCurrentProfileIndex() const;

    void setCurrentKey(int keyCode, const QString &keyName);
    void clearCurrentKey();
    int getCurrentKeyDec() const;
    QString getCurrentKeyName() const;

    void setKeyNameMap(const QMap<int, QString> &map);
    QMap<int, QString> getKeyNameMap() const;
    void setVirtualKeyMap(const QMap<int, int> &map);
    QMap<int, int> getVirtualKeyMap() const;
    void setKeyButtonMap(const QMap<int, keyboardButCustom *> &map);
    QMap<int, keyboardButCustom *> getKeyButtonMap() const;
    void setKeyInfoList(const QList<keyboardButCustom *> &list);
    QList<keyboardButCustom *> getKeyInfoList() const;
    void setKeySelectFrame(keySelectFrame *frame);
    keySelectFrame *getKeySelectFrame() const;
    QColor getAssignedKeyColor() const;
    int getSoftKeyboardLayoutIndex(const QString &model) const;

    void setHidDeviceType(int type);
    int getHidDeviceType() const;
    void setSpecialEnterKey(bool special);
    bool isSpecialEnterKey() const;
    void setCurrentDeviceName(const QString &name);
    QString getCurrentDeviceName() const;
    void setMagneticKeyboard(bool magnetic);
    bool isMagneticKeyboard() const;
    void setMagneticLayerActive(bool active);
    bool isMagneticLayerActive() const;
    void setKeyCalibrationRunning(bool running);
    bool isKeyCalibrationRunning() const;
    void setSideLightModesReported(bool reported);
    bool isSideLightModesReported() const;
    void setProhibitSleep(int value);
    int getProhibitSleep() const;
    void setKeyboardSensitivity(int value);
    int getKeyboardSensitivity() const;
    void setAntiShakeValue(int value);
    int getAntiShakeValue() const;
    void setRateOfReturnValue(int value);
    int getRateOfReturnValue() const;

    // The receiver of sigHookRuningStrtusCtrl_MacroRecord is connected directly and stores its
    // outcome with setMacroRecordHookResult during the emission.
    bool requestMacroRecordHook(bool start);
    void setMacroRecordHookResult(bool result);

    void relayMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag);
    void relayMacroMouseEvent(int nCode, WPARAM wParam, LPARAM lParam);
    void relayDynamicSensitivityNum(int indexX, int indexY, int sensitivityNum);
    void queryDynamicSensitivityNum(int mode, int indexX, int indexY);
    void relayDynamicSensitivityInfo(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                                     int quickTriggerReleaseNum);
    void relayCalibrationPoint(int keyPointX, int keyPointY);
    void relayCalibrationStatus(int keyCalibrationStatus);
    void relayAllKeysCalibrationStatus(int keyCalibrationStatus);
    void notifySeniorKeysListChanged();

    // ---- Key-function texts (DDataManagerKeyTexts.cpp) ----
    // The type name of a stored key operation; its value text is kept for getKeyOperateValueText.
    QString getKeyOperateDescription(KeyOperateInfo info);
    QString getKeyOperateValueText() const;

signals:
    void sigKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void sigHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void sigRecviveStreamEX_MacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    // lParam points to the hook's MSLLHOOKSTRUCT, valid only during the emission.
    void sigRecviveStreamEX_MacroMouse(int nCode, WPARAM wParam, LPARAM lParam);
    void sigBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void sigQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(int type, int pressNum, int releaseNum);
    void sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(int type, int pressNum, int releaseNum,
                                                                    int QuickTriggerPressNum,
                                                                    int QuickTriggerReleaseNum);
    void sigTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void sigTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void sigMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);
    void sigSeniorKeysListItemHaveChanged();

private:
    DDataManager();

    // ---- Folders and user settings ----
    QString m_appDataDir;
    QString m_userConfigDir;

    // ---- Colour theme and fonts ----
    bool m_useLocalFont = true;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_fallbackFont;
    ThemeColorInfo m_themeInfo;

    // ---- Start-up flags ----
    bool m_userConfig = false;
    bool m_bgImageUsing = false;
    bool m_appVersionChanged = false;
    bool m_lightSynchronize = false;
    bool m_initialized = false;

    // ---- Device state, key tables and signal relays ----
    char m_currentProfileXmlPath[kPathBufferSize] = {};
    char m_magneticProfileXmlPath[kPathBufferSize] = {};
    char m_macroXmlPath[kPathBufferSize] = {};
    char m_seniorKeyXmlPath[kPathBufferSize] = {};
    int m_currentProfileIndex = 1;
    int m_currentKeyDec = -1;
    QString m_currentKeyName;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyMap;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyInfoList;
    keySelectFrame *m_keySelectFrame = nullptr;
    int m_hidDeviceType = 1;
    bool m_specialEnterKey = false;
    QString m_currentDeviceName;
    bool m_magneticKeyboard = false;
    bool m_magneticLayerActive = false;
    bool m_keyCalibrationRunning = false;
    bool m_sideLightModesReported = false;
    int m_prohibitSleep = 0;
    int m_keyboardSensitivity = 0;
    int m_antiShakeValue = 0;
    int m_rateOfReturnValue = 0;
    int m_sensitivityQueryMode = -1;
    bool m_macroRecordHookResult = false;

    // ---- Key-function texts ----
    QString m_lastKeyValueText = QCoreApplication::translate("QObject", "Unknow");
};
