#pragma once

#include "platform/WindowsTypes.h"

// A desktop-wide keyboard and mouse hook in the shape of the Windows low-level hooks:
// the back end calls the installed procedure for every key event with
// (HC_ACTION, WM_KEYDOWN/WM_KEYUP/WM_SYSKEYDOWN/WM_SYSKEYUP, &KBDLLHOOKSTRUCT) and for every
// mouse event with (HC_ACTION, WM_* mouse message, &MSLLHOOKSTRUCT). The records are valid only
// during the call. A non-zero result of the keyboard procedure swallows the key, but only while
// the keyboard hook was installed as swallowing; mouse events are never swallowed.
class KeyHookBackend
{
public:
    virtual ~KeyHookBackend();

    virtual bool installKeyboardHook(HOOKPROC proc, bool swallowing) = 0;
    virtual bool installMouseHook(HOOKPROC proc) = 0;
    virtual void removeKeyboardHook() = 0;
    virtual void removeMouseHook() = 0;

    // The back end of this desktop session (X11); created on first use, lives for the process.
    static KeyHookBackend *systemBackend();
};
