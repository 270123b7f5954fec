#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

class PressModeChoice;
class Ui_DResetDefaultPage;

// The key-function page that returns a key to its default: OK removes the key's entry, and with the
// last key of the profile bound to a macro also the profile's copy of that macro.
class DResetDefaultPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    void retranslate() override;
    void applyTheme() override;
    // Takes the selected key and profile; reads nothing.
    void loadCurrentKeyInfo() override;
    // No key: code -1, name "NULL".
    void clearPage() override;
    // The press-mode choice is never offered, whatever the argument.
    void setPressModeSelectVisible(bool visible);

signals:
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void sigClickedCancel();

public slots:
    void onCurIndexChanged_ModeSel(int selIndex);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setOwnTexts();

    Ui_DResetDefaultPage *m_ui;
    PressModeChoice *m_pressChoice;
};
