#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

class Ui_DSideLightCustomEventPage;

// The key-function page for side-light actions (types 30 to 34).
class DSideLightCustomEventPage : public DFixedChoicePage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
    ~DSideLightCustomEventPage() override;

    void retranslate() override;

private slots:
    void on_radioButton_OverallLightList_clicked();
    void on_radioButton_InteractionLightList_clicked();
    void on_radioButton_AllLightList_clicked();
    void on_radioButton_BrightnessUp_clicked();
    void on_radioButton_BrightnessDown_clicked();
    void on_radioButton_SpeedAdd_clicked();
    void on_radioButton_SpeedLessen_clicked();
    void on_radioButton_FullColor_clicked();
    void on_radioButton_TopColor_clicked();
    void on_radioButton_BottomColor_clicked();
    void on_radioButton_CloseSideLight_clicked();
    void on_radioButton_StopSideLight_clicked();

private:
    Ui_DSideLightCustomEventPage *m_ui;
};
