#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

class Ui_DKeyDisablePage;

// The key-function page for disabling a key (type 5): shows the key's name; OK stores, Cancel
// stores nothing and sends the tab back to Default.
class DKeyDisablePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    void retranslate() override;
    void applyTheme() override;
    // Takes the selected key and profile and shows the key's name; what the key holds is not shown.
    void loadCurrentKeyInfo() override;

signals:
    void sigClickedCancel();

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setOwnTexts();

    Ui_DKeyDisablePage *m_ui;
};
