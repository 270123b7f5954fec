#pragma once

#include <cstdint>

// The program's record of one device, copied by value wherever it goes. Texts are 8-bit and
// NUL-terminated within their fields.
struct hidStructInfoAll
{
    char deviceKind[64];
    char hidPath[256];
    char hidName[128];
    char productName[128];
    char deviceName[128];
    char firmwareVersion[64];
    char firmwareChip[128];
    char firmwareField1[64];
    char firmwareVendorCode[64];
    int32_t isOnline;
    int32_t usbOrDongle;
    int32_t supportWords[4];
    int32_t keyCount;
    char newFirmwareVersion[64];
};
