#include "ui/mainwidget/devicePage/keyFunctions/HookKeyRules.h"

namespace {

// The navigation keys a keypad sends while Num Lock is off, and the keypad keys they stand for.
int keypadKey(int virtualKey)
{
    switch (virtualKey) {
    case 12: return 101;
    case 33: return 105;
    case 34: return 99;
    case 35: return 97;
    case 36: return 103;
    case 37: return 100;
    case 38: return 104;
    case 39: return 102;
    case 40: return 98;
    case 45: return 96;
    case 46: return 110;
    default: return virtualKey;
    }
}

} // namespace

int HookKeyRules::capturedVirtualKey(int keyCode, int flag, int hookFlag)
{
    if (flag == 0 || hookFlag == 128 || hookFlag == 129)
        return -1;
    if (keyCode == 13) {
        if (hookFlag == 0)
            return 999;
        if (hookFlag == 1)
            return 998;
    }
    // Without the extended bit the key came from the keypad.
    if (hookFlag == 0 || hookFlag == 128 || hookFlag == 32 || hookFlag == 160)
        return keypadKey(keyCode);
    return keyCode;
}
