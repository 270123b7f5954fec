#include "platform/FakeKeyHookBackend.h"

bool FakeKeyHookBackend::installKeyboardHook(HOOKPROC proc, bool swallowing)
{
    if (m_keyboardFails)
        return false;
    m_keyboardProc = proc;
    m_swallowing = swallowing;
    return true;
}

bool FakeKeyHookBackend::installMouseHook(HOOKPROC proc)
{
    if (m_mouseFails)
        return false;
    m_mouseProc = proc;
    return true;
}

void FakeKeyHookBackend::removeKeyboardHook()
{
    m_keyboardProc = nullptr;
    m_swallowing = false;
}

void FakeKeyHookBackend::removeMouseHook()
{
    m_mouseProc = nullptr;
}

bool FakeKeyHookBackend::injectKey(int vkCode, int scanCode, int flags)
{
    if (m_keyboardProc == nullptr)
        return false;
    KBDLLHOOKSTRUCT record{};
    record.vkCode = static_cast<DWORD>(vkCode);
    record.scanCode = static_cast<DWORD>(scanCode);
    record.flags = static_cast<DWORD>(flags);
    const bool up = (flags & LLKHF_UP) != 0;
    const LRESULT result = m_keyboardProc(HC_ACTION, up ? WM_KEYUP : WM_KEYDOWN, reinterpret_cast<LPARAM>(&record));
    return m_swallowing && result != 0;
}

bool FakeKeyHookBackend::injectMouse(WPARAM message, int x, int y, DWORD mouseData)
{
    if (m_mouseProc == nullptr)
        return false;
    MSLLHOOKSTRUCT record{};
    record.pt = {x, y};
    record.mouseData = mouseData;
    m_mouseProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&record));
    return true;
}
