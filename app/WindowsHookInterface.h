#pragma once

#include "platform/WindowsTypes.h"

#include <QObject>

class KeyHookBackend;

enum HookMode : int {
    HOOK_MACRO_RECORD = 1,
    HOOK_KEY_CAPTURE = 2,
    HOOK_KEY_CAPTURE_ALT = 3,
    HOOK_INTERACT_LIGHT = 5,
    HOOK_NONE = 999,
};

// The program's global keyboard (and, for macro recording, mouse) hook. Reports each key once
// per press and once per release; in every mode but HOOK_INTERACT_LIGHT it swallows all keys
// but Caps Lock, Num Lock, Scroll Lock and the two Ctrl keys. Mouse events are only reported
// while recording a macro and are never swallowed. The procedures run synchronously on the
// thread that installed the hook, and so do the receivers of what they report.
class WindowsHookInterface : public QObject
{
    Q_OBJECT

public:
    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // 1: hooks installed (or already installed), 0: installation failed and was logged.
    int startHook(int mode);
    // Always 1.
    int stopHook();
    int installHook();
    int uninstallHook();

    int mode() const { return m_mode; }

    // Replaces the desktop's back end, for tests; nullptr restores the system back end.
    static void setBackend(KeyHookBackend *backend);

signals:
    void sigKeyboardRecviveStreamEX_Key(int keyCode, int scCode, int flag, int hookFlag);

private:
    static LRESULT keyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT mouseProc(int nCode, WPARAM wParam, LPARAM lParam);

    int m_mode = HOOK_NONE;
};
