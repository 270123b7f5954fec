#pragma once

#include "sdk/protocol/FirmwareImageFormat.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// The ".ufw" image loaded last, under a lock: the check loads it on one thread, an upgrade on
// another takes a copy.
class UfwImageStore
{
public:
    struct Image
    {
        UfwHeader header;
        std::vector<uint8_t> bytes; // the whole container
    };

    // A JL_ result: 0, or the code of the failed check (no image is loaded then).
    int load(const unsigned char *data, int size);
    // Null when none is loaded.
    std::shared_ptr<const Image> current() const;

    static UfwImageStore &instance();

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<const Image> m_image;
};
