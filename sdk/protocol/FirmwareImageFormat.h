#pragma once

#include "sdk/protocol/ModelCatalog.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where a ".bin" image of one layout carries its build date, build time and identity text.
struct BinImageLayout
{
    size_t readWindow;
    size_t dateOffset;
    size_t dateSize;
    size_t timeOffset;
    size_t timeSize;
    size_t identityOffset;
    size_t imageSize; // size of the built-in images of this layout

    static constexpr size_t identitySize = 50;
    // Chip, number, class, vendor code, model and version, comma-separated.
    static constexpr int identityFieldCount = 6;

    // Null for ImageUfw.
    static const BinImageLayout *forKind(FirmwareImageKind kind);
};

// The identity text of a ".bin" image and its fields; a field beyond the last comma is empty.
struct BinImageIdentity
{
    enum Field { Chip, Number, DeviceClass, VendorCode, Model, Version };

    std::string text;
    std::string date;
    std::string time;

    std::string field(int index) const;
    // Reads the blocks from the image's bytes; blocks beyond the end read as empty text.
    static BinImageIdentity read(const std::vector<uint8_t> &image, const BinImageLayout &layout);
};

// Texts compared as the image check compares them: A-Z folded to a-z, then bytewise unsigned.
int compareFirmwareText(const std::string &a, const std::string &b);

uint32_t firmwareCrc32(const uint8_t *data, size_t size, uint32_t crc = 0);
uint16_t firmwareCrc16(const uint8_t *data, size_t size);

// The ".ufw" container: a 64-byte header (big-endian numbers) and the payload.
struct UfwHeader
{
    static constexpr size_t size = 64;
    static constexpr size_t productBufferSize = 17; // up to 16 characters and a NUL
    static constexpr size_t versionSize = 4;
    static constexpr uint16_t headerVersion = 1;

    enum class Check { Ok, BadLength, BadMagic, HeaderCrc, PayloadCrc };

    std::string product;
    std::string version; // exactly 4 characters
    uint32_t payloadLength = 0;
    uint32_t payloadCrc = 0;
    uint16_t headerCrc = 0;

    // The whole container for a payload; product and version must fit.
    static std::vector<uint8_t> build(const std::string &product, const std::string &version,
                                      const std::vector<uint8_t> &payload);
    // Checks magic, header CRC, the length against the data and the payload CRC, in that order.
    static Check parse(const uint8_t *data, size_t size, UfwHeader *out);
};
