#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

#include <QMap>

class ArrowWidget;
class DVirtualKeyboardTool;
class PressModeChoice;
class QFrame;
class QLabel;
class QLineEdit;
class QVBoxLayout;

// The object names and texts that tell the Remap and Key Combination pages' forms apart.
struct KeyCaptureForm
{
    const char *formContext;
    const char *titleName;
    const char *fieldFrameName;
    const char *fieldName;
    int choiceSpacerWidth;
    const char *titleText;
    const char *placeholderText;
    int keyboardMode;
};

// What the Remap and Key Combination pages share: a field that opens a pop-up on-screen keyboard
// (the global hook captures keys while it is open), and the read with the Light Press / Heavy Press
// choice. The pop-up also closes on a click elsewhere and when the page hides, so the hook never
// outlives it where the window system reports no deactivation.
class DKeyCapturePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    DKeyCapturePage(const KeyCaptureForm &form, int operateType, QWidget *parent = nullptr);
    ~DKeyCapturePage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;
    // The press-mode choice is never offered, whatever the argument.
    void setPressModeSelectVisible(bool visible);
    // A key code captured by the tab's keyboard hook.
    virtual void takeCapturedKey(int keyDec) = 0;

    bool isPopupOpen() const;
    DVirtualKeyboardTool *keyboard() const { return m_keyboard; }
    QLineEdit *field() const { return m_field; }

signals:
    void sigMesgStartOrStopHook(bool isStartHook);

public slots:
    void onCurIndexChanged_ModeSel(int selIndex);
    void onArrowWidgetHide();
    virtual void onSoftKeyboardClicked_VirtualKB(int keyDec) = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // The read of the page's own entry, into the field.
    virtual void readStoredEntry() = 0;
    virtual void popupOpening() {}
    virtual void popupClosing() {}

    QMap<int, QString> m_keyNameTable;
    bool m_found = false;

private:
    void openPopup();
    bool isPressOutsidePopup(QObject *watched, QEvent *event) const;

    KeyCaptureForm m_form;
    PressModeChoice *m_pressChoice;
    QLabel *m_title;
    QLineEdit *m_field;
    DVirtualKeyboardTool *m_keyboard;
    ArrowWidget *m_popup;
};
