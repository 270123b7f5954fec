#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

class Ui_DMultimediaPage;

// The key-function page for multimedia functions (type 3).
class DMultimediaPage : public DFixedChoicePage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

    void retranslate() override;

private slots:
    void on_radioButton_volAdd_clicked();
    void on_radioButton_volLower_clicked();
    void on_radioButton_mute_clicked();
    void on_radioButton_playOrPause_clicked();
    void on_radioButton_next_clicked();
    void on_radioButton_previous_clicked();
    void on_radioButton_videoStop_clicked();
    void on_radioButton_Player_clicked();
    void on_radioButton_Calculator_clicked();
    void on_radioButton_Computer_clicked();
    void on_radioButton_Browser_clicked();
    void on_radioButton_Email_clicked();
    void on_radioButton_ScreenBrightnessAdd_clicked();
    void on_radioButton_ScreenBrightnessLess_clicked();
    void on_radioButton_wwwSearch_clicked();

private:
    Ui_DMultimediaPage *m_ui;
};
