#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

class Ui_DKeyboardLightCustomEventPage;

// The key-function page for keyboard-light actions (types 20 to 27).
class DKeyboardLightCustomEventPage : public DFixedChoicePage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

    void retranslate() override;
    void applyTheme() override;

private slots:
    void onScrollSheetSet();
    void on_radioButton_OverallLightList_clicked();
    void on_radioButton_InteractionLightList_clicked();
    void on_radioButton_AllLightList_clicked();
    void on_radioButton_StaticMode_clicked();
    void on_radioButton_BrightnessUp_clicked();
    void on_radioButton_BrightnessDown_clicked();
    void on_radioButton_SpeedAdd_clicked();
    void on_radioButton_SpeedLessen_clicked();
    void on_radioButton_DirectionAddOne_clicked();
    void on_radioButton_DirectionLessenOne_clicked();
    void on_radioButton_DirectionLoop_clicked();
    void on_radioButton_FullColor_clicked();
    void on_radioButton_TopColor_clicked();
    void on_radioButton_BottomColor_clicked();
    void on_radioButton_CloseAll_clicked();
    void on_radioButton_CloseBackLight_clicked();
    void on_radioButton_StopBackLight_clicked();
    void on_radioButton_LightRecording_clicked();
    void on_radioButton_IntoCustomLight01_clicked();
    void on_radioButton_IntoCustomLight02_clicked();

private:
    Ui_DKeyboardLightCustomEventPage *m_ui;
    QString m_scrollBarSheet;
};
