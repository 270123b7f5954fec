#include "platform/HookKeypadKeys.h"

int keypadKeyWithoutNumLock(int virtualKey)
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
