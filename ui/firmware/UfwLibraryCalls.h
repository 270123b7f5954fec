#pragma once

#include "upgradelib/JlUpgradeApi.h"

struct UpgradeLibraryEntries;

// The upgrade library's five entry points with their types; each null when absent, and an absent
// one is never called.
struct UfwLibraryCalls
{
    JL_loadUfwDataFn loadUfwData = nullptr;
    JL_getUfwCrcFn getUfwCrc = nullptr;
    JL_getUfwPidVidFn getUfwPidVid = nullptr;
    JL_upgradeDeviceFn upgradeDevice = nullptr;
    JL_queryDevicePidVidFn queryDevicePidVid = nullptr;

    static UfwLibraryCalls fromEntries(const UpgradeLibraryEntries &entries);
    bool canReadImage() const { return loadUfwData && getUfwCrc && getUfwPidVid; }
    bool canUpgrade() const { return canReadImage() && upgradeDevice && queryDevicePidVid; }
};
