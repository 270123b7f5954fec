#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

class Ui_DHotKeyPage;

// The key-function page for shortcut commands (type 9).
class DHotKeyPage : public DFixedChoicePage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

    void retranslate() override;

private slots:
    void on_radioButton_CloseWindow_clicked();
    void on_radioButton_ShowDesktop_clicked();
    void on_radioButton_OpenMyComputer_clicked();
    void on_radioButton_LockingComputer_clicked();
    void on_radioButton_Copy_clicked();
    void on_radioButton_Cut_clicked();
    void on_radioButton_Paste_clicked();
    void on_radioButton_Find_clicked();
    void on_radioButton_CreateNew_clicked();
    void on_radioButton_Print_clicked();
    void on_radioButton_Save_clicked();

private:
    Ui_DHotKeyPage *m_ui;
};
