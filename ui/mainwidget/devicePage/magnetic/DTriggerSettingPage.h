#pragma once

#include <QWidget>

// The trigger tab: travel, rapid trigger, anti-shake, report rate and calibration.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);

    void clearAllKeysCalibrationToggle() { m_allKeysCalibrationOn = false; }
    bool isAllKeysCalibrationOn() const { return m_allKeysCalibrationOn; }
    void clearDynamicDisplaySensitivityNum();
    int dynamicDisplaySensitivityNum() const { return m_sensitivityNum; }
    void exitCalibrationMode();
    void loadInitData();
    void retranslate();
    void applyTheme();

public slots:
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                                                      int QuickTriggerReleaseNum);

signals:
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigKeyAntiShakeCurrentNum(int num);
    void sigKeyRateOfReturnCurrentNum(int num);
    void sigCalibrationMode(int on);
    void sigKeyCalibrationStartRuning();
    void sigAllKeysCalibrationMode(int on);
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);

private:
    bool m_allKeysCalibrationOn = false;
    int m_sensitivityNum = 0;
};
