#pragma once

#include "device/LightModeSupport.h"
#include "device/LightTypes.h"
#include "device/MainHidInterFace.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>

class ArrowWidget;
class DCustomLightListItem;
class HidCmdReport;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class SVColorArea;
class sliderCustomWidget;

namespace Ui {
class DLightsConfigPage;
}

// The lighting tab: the keyboard's and the side light's modes with their levels, direction and
// colours. Every change is stored in the current profile, announced to the device page and queued
// on the current device as a light mode report at once.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    // Queues one 64-byte report; negative when it cannot be queued.
    using ReportQueue = std::function<int(const unsigned char *report)>;

    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

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
    bool isSideLightArea() const { return !m_isKeyboardArea; }

    // Stores, announces and sends a change of the record shown (a LightChangeKind).
    void applyLightConfig(int kind);
    void sendKeyboardLightReport(colorInfoData record);
    void sendSideLightReport(colorInfoData record);
    // The eight custom-light frames of the slot from the key caps' light colours, a short pause,
    // then the keyboard light mode report of the record shown.
    void sendCustomLightFrames(int slot);
    void sendCustomLightPacket(int slot, int, int packet, const QVector<int> &values);

    // Colour choice: a preset text such as "255,0,0", and the swatches' style.
    void applyPresetColor(QString preset);
    void applyPresetSwatches();
    // Rebuilds the custom light list of the profile and selects the set in use in the current slot.
    void loadCustomLightSets();
    QList<DCustomLightListItem *> customLightItems() const { return m_customLightItems; }

    colorInfoData currentLight() const { return m_currentLight; }
    int keyboardMode() const { return m_keyboardMode; }
    int sideMode() const { return m_sideMode; }

    // Where the reports go; by default the HID I/O object's command queue.
    void setReportQueue(ReportQueue queue);
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // The pause before the mode report that follows the custom-light frames.
    void setSleeper(std::function<void(int milliseconds)> sleeper) { m_sleeper = std::move(sleeper); }

signals:
    void sigCustomLightItemHaveChanged(int flagIndex, QString setIndex, QString setName);
    void sigLightConfigHaveChanged(int from, colorInfoData info);
    void sigLightConfigHaveChanged_Custom(int from, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void sigSomeMessageTip_LightsConfigPage(QString tip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onCurIndexChanged_KB_LightMode(int indexSel);
    void onCurIndexChanged_Side_LightMode(int indexSel);
    void onBackCurrentPositionNum_Brightness(int currPositionIndex);
    void onBackCurrentPositionNum_Speed(int currPositionIndex);
    void onCurIndexChanged_LedDirection(int selIndex);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void on_checkBox_FullColorMode_clicked();
    void on_toolButton_LightSelectTypeChanged_clicked();
    void onInstallEventFilterOpen();
    void onScrollSheetSet();
    void onGetRGB(int r, int g, int b);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onColorItemSelcSignal(QColor color);
    void onCurIndexChanged_LightTopOrBottomColor(int selIndex);
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onCustomLightUsingStatus(bool isUsing);

private:
    void setupSliders();
    void setupButtonGroups();
    QButtonGroup *buttonGroup(const LightButtonInfo *buttons, int count);
    void applyTexts();
    void loadAreaRecord(int area);
    void showRecordColors();
    void updateKeyboardControls(int mode);
    void updateSideControls(int mode);
    void showOffer(const LightModeOffer &offer);
    void showModeName(int area);
    void setSliderSteps(const LightModeSupport &support);
    void showModeTip(int id);
    QLabel *swatch(int entry) const;
    void showColor(int r, int g, int b);
    void showSampleColor(int r, int g, int b);
    void enterChannelValue(QLineEdit *field, const QString &text, void (DLightsConfigPage::*apply)(int));
    void applyRedValue(int value);
    void applyGreenValue(int value);
    void applyBlueValue(int value);
    void clearCustomLightRows();
    void selectCustomLightRow(DCustomLightListItem *row);
    QString colorButtonSheet(int red, int green, int blue) const;
    void queueReport(const HidCmdReport &report, const char *failure);
    QByteArray profileIndexText() const { return QByteArray::number(m_profileIndex); }

    Ui::DLightsConfigPage *m_ui;
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    QString m_buttonBorderColor = "52, 52, 86";
    QString m_accentColor = "255, 143, 31";
    QString m_currentModeName;
    // Cleared when the current device's link goes.
    QPointer<MainHidInterFace> m_hidInterface;
    // One tip window, reused for every hover.
    ArrowWidget *m_modeTip = nullptr;
    SVColorArea *m_colorArea = nullptr;
    int m_editColor[3] = {0, 0, 0};
    bool m_isColorAreaPressed = false;
    bool m_isKeyboardArea = true;
    sliderCustomWidget *m_brightnessSlider = nullptr;
    sliderCustomWidget *m_speedSlider = nullptr;
    LightModeSupport m_keyboardSupport;
    LightModeSupport m_sideSupport;
    colorInfoData m_currentLight = {};
    // First colour R, G, B, then second colour R, G, B, being edited.
    int m_editColors[6] = {0, 0, 0, 0, 0, 0};
    int m_keyboardMode = -1;
    int m_sideMode = -1;
    int m_customLightSlot = -1;
    QList<DCustomLightListItem *> m_customLightItems;
    DCustomLightListItem *m_currentCustomLightItem = nullptr;
    QStringList m_presetColors;
    int m_lastChannelValue = 0;
    QString m_scrollBarStyleSheet;
    bool m_resetSlotOnCustom = true;
    QButtonGroup *m_keyboardModeGroup = nullptr;
    QButtonGroup *m_sideModeGroup = nullptr;
    QButtonGroup *m_colorGroup = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
    ReportQueue m_reportQueue;
    std::function<qint64()> m_clock;
    std::function<void(int)> m_sleeper;
};
