#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

class Ui_DMouseKeyPage;

// The key-function page for mouse functions (type 4); the Sniper Key radio stays hidden and stores nothing.
class DMouseKeyPage : public DFixedChoicePage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

    void retranslate() override;

private slots:
    void on_radioButton_mouseLeft_clicked();
    void on_radioButton_mouseCenter_clicked();
    void on_radioButton_mouseRight_clicked();
    void on_radioButton_mouseScrollUp_clicked();
    void on_radioButton_mouseScrollDown_clicked();
    void on_radioButton_Forward_clicked();
    void on_radioButton_Backward_clicked();

private:
    Ui_DMouseKeyPage *m_ui;
};
