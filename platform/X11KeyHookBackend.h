#pragma once

#include "platform/KeyHookBackend.h"

#include <bitset>
#include <memory>

class QSocketNotifier;
struct _XDisplay;

// The desktop-wide hook on X11. RECORD observes every key and button event of the server on
// its own connection; while a swallowing keyboard hook is installed the keyboard is grabbed
// on the root window, so no other client receives keys, and the keys the procedure lets pass
// are handed to the focused window as sent events. Runs in the thread that installs it, driven
// by its event loop.
class X11KeyHookBackend : public KeyHookBackend
{
public:
    X11KeyHookBackend();
    ~X11KeyHookBackend() override;

    bool installKeyboardHook(HOOKPROC proc, bool swallowing) override;
    bool installMouseHook(HOOKPROC proc) override;
    void removeKeyboardHook() override;
    void removeMouseHook() override;

    // One recorded core event in wire format; called from the RECORD callback.
    void onRecordedEvent(const unsigned char *wire);

private:
    bool openRecording();
    void closeRecording();
    void closeWhenUnused();
    void processReplies();
    void drainControl();
    void handleKey(int keyCode, bool release, unsigned long time, int rootX, int rootY, unsigned state);
    void handleButton(int button, bool release, unsigned long time, int rootX, int rootY);
    void redeliverKey(int keyCode, bool release, unsigned long time, int rootX, int rootY, unsigned state);
    bool numLockLocked();

    _XDisplay *m_control = nullptr;
    _XDisplay *m_data = nullptr;
    unsigned long m_context = 0;
    unsigned m_numLockMask = 0;
    std::unique_ptr<QSocketNotifier> m_dataNotifier;
    std::unique_ptr<QSocketNotifier> m_controlNotifier;
    HOOKPROC m_keyboardProc = nullptr;
    HOOKPROC m_mouseProc = nullptr;
    bool m_grabbed = false;
    bool m_dispatching = false;
    bool m_closePending = false;
    std::bitset<256> m_keysDown;
};
