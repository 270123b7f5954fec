#pragma once

#include <cstdint>
#include <list>
#include <string>

// The SDK calls of the ".bin" route: the SDK's interface list, opening and closing a bootloader,
// and the flash. The real SDK by default.
struct BootloaderCalls
{
    void (*listPaths)(std::list<std::string> *paths);
    intptr_t (*open)(const char *path);
    void (*close)(intptr_t handle);
    int (*flash)(intptr_t handle, const char *imagePath, int size, int reserved, int receiverFlag,
                 void (*progress)(int total, int current));

    static BootloaderCalls real();
};
