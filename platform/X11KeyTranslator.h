#pragma once

#include "platform/WindowsTypes.h"

// Turns X core key and button events into the records of the Windows low-level hooks.
// Key codes are those of the evdev keymap (Linux input code + 8), which every X server with
// XKB "evdev" rules uses; their Linux input codes 1..88 are the set-1 scan codes.
class X11KeyTranslator
{
public:
    // Fills vkCode, scanCode and flags of a key event. False for keys without a Windows key.
    // altHeld: an Alt key was down before this event. numLockOn: Num Lock is locked.
    static bool translateKey(int x11KeyCode, bool release, bool altHeld, bool numLockOn, KBDLLHOOKSTRUCT &out);

    // The mouse message and mouseData of a button event. False when Windows has no message
    // for it (the release of a wheel step).
    static bool translateButton(int button, bool release, WPARAM &message, DWORD &mouseData);

    static bool isAltKey(int x11KeyCode);
};
