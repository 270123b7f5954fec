#include "ui/firmware/UfwLibraryCalls.h"

#include "ui/mainwidget/devicePage/devices/DeviceSdkStartup.h"

UfwLibraryCalls UfwLibraryCalls::fromEntries(const UpgradeLibraryEntries &entries)
{
    UfwLibraryCalls calls;
    calls.loadUfwData = reinterpret_cast<JL_loadUfwDataFn>(entries.loadUfwData);
    calls.getUfwCrc = reinterpret_cast<JL_getUfwCrcFn>(entries.getUfwCrc);
    calls.getUfwPidVid = reinterpret_cast<JL_getUfwPidVidFn>(entries.getUfwPidVid);
    calls.upgradeDevice = reinterpret_cast<JL_upgradeDeviceFn>(entries.upgradeDevice);
    calls.queryDevicePidVid = reinterpret_cast<JL_queryDevicePidVidFn>(entries.queryDevicePidVid);
    return calls;
}
