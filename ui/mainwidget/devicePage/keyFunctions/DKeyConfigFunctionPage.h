#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

class Ui_DKeyConfigFunctionPage;

// The key-function page for keyboard functions (type 19, the sub-function in the mode field).
class DKeyConfigFunctionPage : public DFixedChoicePage
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
    ~DKeyConfigFunctionPage() override;

    void retranslate() override;
    // Shows or hides the power query and connection radios for the current layout, then loads.
    void loadCurrentKeyInfo() override;

private slots:
    void on_radioButton_LockKeyboard_clicked();
    void on_radioButton_SwitchLoopWin_clicked();
    void on_radioButton_LockWin_clicked();
    void on_radioButton_UnlockWin_clicked();
    void on_radioButton_DefaultLayer_clicked();
    void on_radioButton_FNLayer_clicked();
    void on_radioButton_FN1Layer_clicked();
    void on_radioButton_USB_clicked();
    void on_radioButton_24G_clicked();
    void on_radioButton_Pattern1_clicked();
    void on_radioButton_Pattern2_clicked();
    void on_radioButton_Pattern3_clicked();
    void on_radioButton_PowerQuery_clicked();

private:
    Ui_DKeyConfigFunctionPage *m_ui;
};
