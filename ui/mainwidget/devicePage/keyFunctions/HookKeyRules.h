#pragma once

// How a key reported by the global hook becomes a virtual key of the on-screen keyboard layout.
class HookKeyRules
{
public:
    // The virtual key to look up; -1 for an event that is not a first press. The two Enter keys
    // become 999 (main) and 998 (keypad); keypad keys without Num Lock (not extended) become the
    // keypad's own codes.
    static int capturedVirtualKey(int keyCode, int flag, int hookFlag);
};
