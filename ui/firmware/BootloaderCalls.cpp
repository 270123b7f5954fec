#include "ui/firmware/BootloaderCalls.h"

#include "sdk/hid/VorlanHidSdk.h"

BootloaderCalls BootloaderCalls::real()
{
    return {CVorlanHid_GetHidInfoList, CVorlanHid_OpenPath, CVorlanHid_Close, CVorlanHid_FirmwareUpgrade};
}
