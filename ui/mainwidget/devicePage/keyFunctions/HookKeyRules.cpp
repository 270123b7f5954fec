#include "ui/mainwidget/devicePage/keyFunctions/HookKeyRules.h"

#include "platform/HookKeypadKeys.h"

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
        return keypadKeyWithoutNumLock(keyCode);
    return keyCode;
}
