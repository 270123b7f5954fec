#pragma once

#include "ui/mainwidget/devicePage/magnetic/TriggerRules.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class ArrowWidget;
class DSensitivityShowWidget;
class MySlider;
class QLabel;
class Ui_DTriggerSettingPage;
class sliderCustomWidget;

// The trigger tab of magnetic keyboards: actuation travel on the travel display, rapid trigger with
// one or two distances, calibration requests and their explanations. Requests leave as signals to
// the device page; the keyboard's answers arrive through the data manager.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);
    ~DTriggerSettingPage() override;

    void clearAllKeysCalibrationToggle() { m_allKeysCalibrating = false; }
    bool isAllKeysCalibrationOn() const { return m_allKeysCalibrating; }
    void clearDynamicDisplaySensitivityNum();
    int dynamicDisplaySensitivityNum() const;
    void exitCalibrationMode();
    void loadInitData();
    void retranslate();
    void applyTheme();

    DSensitivityShowWidget *travelDisplay() const { return m_showWidget; }
    sliderCustomWidget *antiShakeSlider() const { return m_antiShakeSlider; }
    sliderCustomWidget *rateSlider() const { return m_rateSlider; }
    ArrowWidget *explanationPopup() const;

public slots:
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                                                      int QuickTriggerReleaseNum);
    void onCurrentStrengthNumBack(int whereData, int StrengthNum);
    void onBackCurrentPositionNum_Speed(int KeyAntiShakeNum);
    void onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum);

signals:
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigKeyAntiShakeCurrentNum(int num);
    void sigKeyRateOfReturnCurrentNum(int num);
    void sigCalibrationMode(int on);
    void sigKeyCalibrationStartRuning();
    void sigAllKeysCalibrationMode(int on);
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void on_pushButton_TriggerApply_clicked();
    void on_pushButton_ResetSensitivity_clicked();
    void on_checkBox_QuickTrigger_clicked();
    void on_checkBox_SecondarySensitivity_clicked();
    void on_checkBox_IntensityTracking_clicked();
    void on_checkBox_CalibrationMode_clicked();
    void on_pushButton_KeyCalibration_clicked();
    void on_pushButton_KeyCalibration_AllKeys_clicked();
    void onSliderPressReleaseJourneyValue(int Value);
    void onSliderPressJourneyValue(int Value);
    void onSliderReleaseJourneyValue(int Value);
    void onSliderPressReleaseJourneyReleased();
    void onSliderPressJourneyReleased();
    void onSliderReleaseJourneyReleased();
    void onScrollSheetSet();
    void onExplainShow();
    void theExplainQuickTriggerShow();
    void theExplainMagneticKeyShow();
    void onExplainShow_2();

private:
    void setOwnTexts();
    void setUpStepSlider(sliderCustomWidget *slider, int steps);
    // Every travel slider and rapid-trigger distance back to 5 (0.5 mm).
    void resetTravelSliders();
    void setRapidTriggerRowsVisible(bool visible);
    void showExplanation(int type, QWidget *anchor, int width, int height);

    Ui_DTriggerSettingPage *m_ui;
    DSensitivityShowWidget *m_showWidget;
    QString m_scrollSheet;
    TriggerRules::TriggerValues m_values;
    sliderCustomWidget *m_antiShakeSlider;
    sliderCustomWidget *m_rateSlider;
    // The pop-up last shown; it has no parent, so the page deletes it.
    QPointer<ArrowWidget> m_popup;
    bool m_allKeysCalibrating = false;
};
