#include "sdk/protocol/FirmwareImageFormat.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

const BinImageLayout kLayout512K{0x80000, 0x10810, 12, 0x10820, 16, 0x10840, 510 * 1024};
const BinImageLayout kLayout256K{0x40000, 0x1FE0C, 12, 0x1FE00, 12, 0x1FE1C, 131 * 1024};

constexpr char kUfwMagic[4] = {'V', 'U', 'F', 'W'};

std::string textAt(const std::vector<uint8_t> &image, size_t offset, size_t size)
{
    std::string text;
    for (size_t i = offset; i < offset + size && i < image.size() && image[i] != 0; ++i)
        text += static_cast<char>(image[i]);
    return text;
}

uint32_t readBig32(const uint8_t *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

void writeBig32(uint8_t *p, uint32_t value)
{
    p[0] = uint8_t(value >> 24);
    p[1] = uint8_t(value >> 16);
    p[2] = uint8_t(value >> 8);
    p[3] = uint8_t(value);
}

const std::array<uint32_t, 256> &crc32Table()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

} // namespace

const BinImageLayout *BinImageLayout::forKind(FirmwareImageKind kind)
{
    switch (kind) {
    case FirmwareImageKind::ImageBin512K: return &kLayout512K;
    case FirmwareImageKind::ImageBin256K: return &kLayout256K;
    case FirmwareImageKind::ImageUfw: break;
    }
    return nullptr;
}

std::string BinImageIdentity::field(int index) const
{
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            return {};
        start = comma + 1;
    }
    const size_t end = text.find(',', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

BinImageIdentity BinImageIdentity::read(const std::vector<uint8_t> &image, const BinImageLayout &layout)
{
    BinImageIdentity identity;
    identity.text = textAt(image, layout.identityOffset, BinImageLayout::identitySize);
    identity.date = textAt(image, layout.dateOffset, layout.dateSize);
    identity.time = textAt(image, layout.timeOffset, layout.timeSize);
    return identity;
}

int compareFirmwareText(const std::string &a, const std::string &b)
{
    const auto fold = [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
    };
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = fold(a[i]), y = fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

uint32_t firmwareCrc32(const uint8_t *data, size_t size, uint32_t crc)
{
    const std::array<uint32_t, 256> &table = crc32Table();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
    return ~crc;
}

uint16_t firmwareCrc16(const uint8_t *data, size_t size)
{
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= uint16_t(data[i]) << 8;
        for (int k = 0; k < 8; ++k)
            crc = (crc & 0x8000) ? uint16_t((crc << 1) ^ 0x1021) : uint16_t(crc << 1);
    }
    return crc;
}

std::vector<uint8_t> UfwHeader::build(const std::string &product, const std::string &version,
                                      const std::vector<uint8_t> &payload)
{
    std::vector<uint8_t> file(size, 0);
    std::memcpy(file.data(), kUfwMagic, 4);
    file[4] = 0;
    file[5] = headerVersion;
    file[6] = 0;
    file[7] = static_cast<uint8_t>(size);
    std::memcpy(file.data() + 8, product.data(), std::min(product.size(), productBufferSize - 1));
    std::memcpy(file.data() + 25, version.data(), std::min(version.size(), versionSize));
    writeBig32(file.data() + 32, static_cast<uint32_t>(payload.size()));
    writeBig32(file.data() + 36, firmwareCrc32(payload.data(), payload.size()));
    const uint16_t crc = firmwareCrc16(file.data(), 62);
    file[62] = uint8_t(crc >> 8);
    file[63] = uint8_t(crc);
    file.insert(file.end(), payload.begin(), payload.end());
    return file;
}

UfwHeader::Check UfwHeader::parse(const uint8_t *data, size_t dataSize, UfwHeader *out)
{
    if (!data || dataSize < size)
        return Check::BadLength;
    if (std::memcmp(data, kUfwMagic, 4) != 0)
        return Check::BadMagic;
    const uint16_t headerCrc = uint16_t((data[62] << 8) | data[63]);
    if (firmwareCrc16(data, 62) != headerCrc)
        return Check::HeaderCrc;
    const uint32_t payloadLength = readBig32(data + 32);
    if (data[6] != 0 || data[7] != size || payloadLength == 0 || payloadLength != dataSize - size)
        return Check::BadLength;
    const uint32_t payloadCrc = readBig32(data + 36);
    if (firmwareCrc32(data + size, payloadLength) != payloadCrc)
        return Check::PayloadCrc;
    if (out) {
        out->product.assign(reinterpret_cast<const char *>(data + 8),
                            strnlen(reinterpret_cast<const char *>(data + 8), 16));
        out->version.assign(reinterpret_cast<const char *>(data + 25), versionSize);
        out->payloadLength = payloadLength;
        out->payloadCrc = payloadCrc;
        out->headerCrc = headerCrc;
    }
    return Check::Ok;
}
