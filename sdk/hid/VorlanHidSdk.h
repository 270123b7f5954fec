#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <cstdint>
#include <list>
#include <map>
#include <string>

// Start-up, discovery, report I/O and pacing of the device SDK. Plain synchronous calls; the
// write, read and pacing calls of a device run in its I/O thread, all others in one thread.

// Writes the SDK's version text into a caller buffer of 1024 bytes.
void CVorlanSDK_VersionStr(char *versionStr);
// Each returns 0 on success.
int CVorlanXML_Init();
int CVorlanHid_Init();
int CVorlanLight_Init();

// Every supported USB id pair.
void CVorlanHid_GetSupportInfoList(std::list<SupportInfoStu> *supportList);
// One path per connected interface of a supported keyboard (hidraw first, then simulated).
void CVorlanHid_GetHidInfoList(std::list<std::string> *pathList);
// The supported models by model name.
void CVorlanHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu> *modelMap);
// Fills both records for a connected supported device; false = skip the path.
bool CVorlanHid_GetHidAndFirmwareInfoStu(const char *path, hidStu *hid, FirmwareInfoStu *firmware);

// 0 = failure.
intptr_t CVorlanHid_OpenPath(const char *path);
int CVorlanHid_SetNonblocking(intptr_t handle, int nonblock);
// Writes one 64-byte report; returns the bytes written or -1.
int CVorlanHid_HidWriteBuff(intptr_t handle, const unsigned char *report, const char *path);
// Reads one 64-byte report; above 0 = one report, 0 = nothing waiting, -1 = error or gone.
int CVorlanHid_HidReadBuff(intptr_t handle, unsigned char *report);
void CVorlanHid_Close(intptr_t handle);

// Results of CVorlanHid_FirmwareUpgrade; a refusal by the device adds its status to
// FirmwareUpgradeRefusedBase (FirmwareUpgradeRefusedBase + 7: wrong connection).
enum FirmwareUpgradeResult {
    FirmwareUpgradeOk = 0,
    FirmwareUpgradeBadArgument = 1,
    FirmwareUpgradeUnreadableFile = 2,
    FirmwareUpgradeEmptyFile = 3,
    FirmwareUpgradeNotBootloader = 4, // no IDENT answer with the magic: nothing else was sent
    FirmwareUpgradeOtherModel = 5,    // the bootloader names another model than the image
    FirmwareUpgradeTooLarge = 6,      // the image exceeds the bootloader's capacity
    FirmwareUpgradeTimeout = 7,
    FirmwareUpgradeDeviceGone = 8,
    FirmwareUpgradeRefusedBase = 100,
};

// Flashes a ".bin" image to a bootloader opened with CVorlanHid_OpenPath. imagePath is in the local
// 8-bit encoding; the whole file is sent (size is not a length, reserved is ignored); receiverFlag 1
// for a keyboard behind a receiver. progress(total, current) in packets on the calling thread.
// Blocks, every wait bounded; 0 on success. Safe on a worker thread.
int CVorlanHid_FirmwareUpgrade(intptr_t handle, const char *imagePath, int size, int reserved, int receiverFlag,
                               void (*progress)(int total, int current));

// Pacing: the record names a timer kept inside the SDK. Runing waits for the next tick of a grid
// whose period is the value in units of 10 microseconds (100 = 1 ms); Stop wakes every waiter.
void CVorlanHid_highPrecisionTimerInit(HighPrecisionTimerStu *timer);
void CVorlanHid_highPrecisionTimerStart(HighPrecisionTimerStu timer);
void CVorlanHid_highPrecisionTimerRuning(int value, HighPrecisionTimerStu timer);
void CVorlanHid_highPrecisionTimerStop(HighPrecisionTimerStu timer);
