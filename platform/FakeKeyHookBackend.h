#pragma once

#include "platform/KeyHookBackend.h"

// A hook back end without a desktop: tests inject key and mouse events and read what the
// installed procedures decided, and can make installation fail.
class FakeKeyHookBackend : public KeyHookBackend
{
public:
    bool installKeyboardHook(HOOKPROC proc, bool swallowing) override;
    bool installMouseHook(HOOKPROC proc) override;
    void removeKeyboardHook() override;
    void removeMouseHook() override;

    void setKeyboardInstallFails(bool fails) { m_keyboardFails = fails; }
    void setMouseInstallFails(bool fails) { m_mouseFails = fails; }

    bool keyboardHooked() const { return m_keyboardProc != nullptr; }
    bool mouseHooked() const { return m_mouseProc != nullptr; }
    bool swallowing() const { return m_swallowing; }

    // Delivers one key event; true when the key was swallowed (reached no application).
    bool injectKey(int vkCode, int scanCode, int flags);
    // Delivers one mouse message; true when a mouse procedure saw it.
    bool injectMouse(WPARAM message, int x, int y, DWORD mouseData = 0);

private:
    HOOKPROC m_keyboardProc = nullptr;
    HOOKPROC m_mouseProc = nullptr;
    bool m_swallowing = false;
    bool m_keyboardFails = false;
    bool m_mouseFails = false;
};
