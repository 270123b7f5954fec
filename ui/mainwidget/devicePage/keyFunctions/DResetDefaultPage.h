#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

class PressModeChoice;

// The key-function page that returns a key to its default (removes its entry).
class DResetDefaultPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);

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

private:
    PressModeChoice *m_pressChoice;
    QLabel *m_keyLabel;
};
