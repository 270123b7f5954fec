#pragma once

#include <cstddef>
#include <cstdint>

// Records of the HID side of the device SDK. Layouts are fixed: callers on the other side of the
// boundary pass whole records and read fields by offset.

// One connected HID interface.
struct hidStu
{
    int32_t vid;
    int32_t pid;
    char path[256];
    char hidManufacturer[64];
    char hidProduct[64];
    char hidName[128];
    char hidFirmwareNUC[128];
    int32_t reserved;
    int32_t isDongle;
};
static_assert(sizeof(hidStu) == 656, "hidStu layout");

// One supported model, keyed by model name.
struct HidInfoStu
{
    char deviceKind[128];
    int32_t supportWords[4];
    char hidName[128];
    int32_t keyCount;
    char productName[128];
    char deviceName[128];
};
static_assert(sizeof(HidInfoStu) == 532, "HidInfoStu layout");

// Firmware identity of one connected device: 64-byte texts, the whole record always passed.
struct FirmwareInfoStu
{
    char chip[64];
    char numberField[64];
    char deviceClass[64];
    char vendorCode[64];
    char model[64];
    char reserved5[64];
    char version[64];
    char extraText[64];
    char reserved[320];
};
static_assert(sizeof(FirmwareInfoStu) == 832, "FirmwareInfoStu layout");
static_assert(offsetof(FirmwareInfoStu, version) == 384, "FirmwareInfoStu version offset");
static_assert(offsetof(FirmwareInfoStu, extraText) == 448, "FirmwareInfoStu extra text offset");

// One supported USB id pair.
struct SupportInfoStu
{
    char modelName[128];
    char vidText[16];
    char pidText[16];
    int32_t interfaceNumber;
    int32_t isDongle;
};
static_assert(offsetof(SupportInfoStu, vidText) == 128, "SupportInfoStu vid text offset");
static_assert(offsetof(SupportInfoStu, pidText) == 144, "SupportInfoStu pid text offset");

// Opaque pacing timer record: the timer itself lives inside the SDK; the record only names it.
struct HighPrecisionTimerStu
{
    uint32_t id;
    uint32_t generation;
};
static_assert(sizeof(HighPrecisionTimerStu) == 8, "HighPrecisionTimerStu layout");
