#pragma once

// The C interface of the firmware upgrade library (libjl_firmware_upgrade_x86.so). The program
// loads it at run time and casts the resolved entry points to these types.
//
// Results: 0 success, -3 bad argument or no image loaded, -5 no device, -6 busy, -9 product
// mismatch, -10 verification failed, -18 timeout, -20 device gone, -21 bad magic, -22 header CRC,
// -23 payload CRC, -24 bad length, -25 out of memory, -26 refused by the device.

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*JL_UpgradeProgress)(int percent);

// Checks a ".ufw" container and keeps a copy of it; a failed load leaves no image loaded.
typedef int (*JL_loadUfwDataFn)(const unsigned char *data, int size);
// The header CRC-16 and the payload CRC-32 of the loaded image.
typedef int (*JL_getUfwCrcFn)(unsigned short *crc16, unsigned int *crc32);
// The loaded image's product (NUL-terminated, within productSize) and its 4-character version
// (exactly 4 bytes, no NUL, within versionSize).
typedef int (*JL_getUfwPidVidFn)(char *product, int productSize, char *version, int versionSize);
// 0 when an upgrade drive answers at the letter: its product into out16, its version into out8.
typedef int (*JL_queryDevicePidVidFn)(char letter, char *out16, int size16, char *out8, int size8);
// Flashes the image loaded last to the drive at the letter; blocks; percent rises 0..100.
typedef int (*JL_upgradeDeviceFn)(char letter, int verify, int restart, JL_UpgradeProgress progress);

enum JL_Result {
    JL_OK = 0,
    JL_ERR_ARGUMENT = -3,
    JL_ERR_NO_DEVICE = -5,
    JL_ERR_BUSY = -6,
    JL_ERR_PRODUCT = -9,
    JL_ERR_VERIFY = -10,
    JL_ERR_TIMEOUT = -18,
    JL_ERR_DEVICE_GONE = -20,
    JL_ERR_MAGIC = -21,
    JL_ERR_HEADER_CRC = -22,
    JL_ERR_PAYLOAD_CRC = -23,
    JL_ERR_LENGTH = -24,
    JL_ERR_MEMORY = -25,
    JL_ERR_REFUSED = -26
};

#ifdef __cplusplus
}
#endif
