#include "tools/fwimage/FirmwareImageBuilder.h"

#include <cstdio>
#include <cstring>

namespace {

uint64_t seedOf(const std::string &text)
{
    uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash ? hash : 1;
}

std::vector<uint8_t> payload(const std::string &seed, size_t size)
{
    std::vector<uint8_t> bytes(size);
    uint64_t state = seedOf(seed);
    for (size_t i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        bytes[i] = static_cast<uint8_t>(state >> 32);
    }
    return bytes;
}

void putText(std::vector<uint8_t> *image, size_t offset, size_t size, const std::string &text)
{
    std::memset(image->data() + offset, 0, size);
    std::memcpy(image->data() + offset, text.data(), std::min(text.size(), size - 1));
}

bool isLetters(const std::string &text)
{
    for (char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return !text.empty();
}

const ModelInfo &fixtureModel()
{
    return *ModelCatalog::findByName("Aster104");
}

} // namespace

std::string FirmwareImageBuilder::binIdentity(const ModelInfo &model, const std::string &version)
{
    return model.chip + "," + model.numberField + ",KB," + model.vendorCode + "," + model.name + "," + version;
}

std::string FirmwareImageBuilder::binNameError(const std::string &chip, const std::string &vendorCode,
                                               const std::string &model)
{
    if (model.empty() || model.size() > ModelCatalog::maxImageModelLength)
        return "model name \"" + model + "\" must have 1 to 16 characters";
    if (chip.size() + vendorCode.size() + model.size() > 32)
        return "chip, vendor code and model of \"" + model + "\" exceed 32 characters";
    if (!isLetters(vendorCode))
        return "vendor code of \"" + model + "\" must be letters";
    return {};
}

bool FirmwareImageBuilder::buildBin(const BinImageLayout &layout, const std::string &identity, const std::string &seed,
                                    std::vector<uint8_t> *image, std::string *error)
{
    if (identity.size() >= BinImageLayout::identitySize) {
        *error = "identity \"" + identity + "\" longer than 49 characters";
        return false;
    }
    *image = payload(seed, layout.imageSize);
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const uint64_t s = seedOf(seed + "#date");
    char date[16], time[16];
    std::snprintf(date, sizeof(date), "%s %02u 2026", months[s % 12], unsigned(1 + (s >> 8) % 28));
    std::snprintf(time, sizeof(time), "%02u:%02u:%02u", unsigned((s >> 16) % 24), unsigned((s >> 24) % 60),
                  unsigned((s >> 32) % 60));
    putText(image, layout.dateOffset, layout.dateSize, date);
    putText(image, layout.timeOffset, layout.timeSize, time);
    putText(image, layout.identityOffset, BinImageLayout::identitySize, identity);
    return true;
}

bool FirmwareImageBuilder::buildUfw(const std::string &product, const std::string &version, const std::string &seed,
                                    std::vector<uint8_t> *image, std::string *error)
{
    if (product.empty() || product.size() > ModelCatalog::maxImageModelLength) {
        *error = "product \"" + product + "\" must have 1 to 16 characters";
        return false;
    }
    if (version.size() != UfwHeader::versionSize) {
        *error = "version \"" + version + "\" must have 4 characters";
        return false;
    }
    *image = UfwHeader::build(product, version, payload(seed, 96 * 1024));
    return true;
}

bool FirmwareImageBuilder::buildBuiltInSet(std::vector<Image> *images, std::string *error)
{
    images->clear();
    for (const FirmwareImageRow &row : ModelCatalog::firmwareImageRows()) {
        const std::string name = row.modelName;
        if (name.size() > ModelCatalog::maxImageModelLength) {
            *error = "model name \"" + name + "\" longer than 16 characters";
            return false;
        }
        const ModelInfo *model = ModelCatalog::findByName(name);
        if (!model)
            continue;
        bool hasReceiver = false;
        for (const ModelIds &ids : model->ids)
            hasReceiver = hasReceiver || ids.isDongle;
        std::vector<bool> connections{false};
        if (hasReceiver && row.kind != FirmwareImageKind::ImageBin256K)
            connections.push_back(true);
        for (bool receiver : connections) {
            Image image;
            image.fileName = ModelCatalog::firmwareImageName(row.kind, name, receiver);
            const BinImageLayout *layout = BinImageLayout::forKind(row.kind);
            if (layout) {
                const std::string nameError = binNameError(model->chip, model->vendorCode, name);
                if (!nameError.empty()) {
                    *error = nameError;
                    return false;
                }
                if (!buildBin(*layout, binIdentity(*model, binVersion), image.fileName, &image.bytes, error))
                    return false;
            } else if (!buildUfw(name, ufwVersion, image.fileName, &image.bytes, error)) {
                return false;
            }
            images->push_back(std::move(image));
        }
    }
    Image spare;
    spare.fileName = std::string(spareUfwModel) + ".ufw";
    if (!buildUfw(spareUfwModel, ufwVersion, spare.fileName, &spare.bytes, error))
        return false;
    images->push_back(std::move(spare));
    return true;
}

std::vector<std::string> FirmwareImageBuilder::fixtureNames()
{
    return {"short",     "other-model",   "equal-version",  "older-version",   "lower-case",    "five-fields",
            "ufw-empty", "ufw-bad-magic", "ufw-header-crc", "ufw-payload-crc", "ufw-truncated", "ufw-length-past"};
}

bool FirmwareImageBuilder::buildFixture(const std::string &name, std::vector<uint8_t> *image, std::string *error)
{
    const ModelInfo &model = fixtureModel();
    const BinImageLayout &layout = *BinImageLayout::forKind(FirmwareImageKind::ImageBin256K);
    std::string identity = binIdentity(model, binVersion);
    if (name == "short") {
        if (!buildBin(layout, identity, name, image, error))
            return false;
        image->resize(layout.timeOffset); // ends before the first block
        return true;
    }
    if (name == "other-model")
        identity = binIdentity(*ModelCatalog::findByName("Cinder104"), binVersion);
    else if (name == "equal-version")
        identity = binIdentity(model, model.firmwareVersion);
    else if (name == "older-version")
        identity = binIdentity(model, "V1.00.05");
    else if (name == "lower-case")
        for (char &c : identity)
            c = static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    else if (name == "five-fields")
        identity = identity.substr(0, identity.rfind(','));
    if (name.compare(0, 4, "ufw-") != 0) {
        for (const std::string &known : fixtureNames()) {
            if (known == name)
                return buildBin(layout, identity, name, image, error);
        }
        *error = "unknown fixture " + name;
        return false;
    }

    if (!buildUfw("Quartz68HE", ufwVersion, name, image, error))
        return false;
    if (name == "ufw-empty")
        image->clear();
    else if (name == "ufw-bad-magic")
        (*image)[0] = 'X';
    else if (name == "ufw-header-crc")
        (*image)[10] ^= 0x01; // inside the product field
    else if (name == "ufw-payload-crc")
        (*image)[UfwHeader::size + 100] ^= 0x01;
    else if (name == "ufw-truncated")
        image->resize(image->size() - 1000);
    else if (name == "ufw-length-past") {
        // A length field past the data, with a header CRC that matches it.
        const uint32_t length = static_cast<uint32_t>(image->size() - UfwHeader::size + 4096);
        for (int i = 0; i < 4; ++i)
            (*image)[32 + i] = static_cast<uint8_t>(length >> (24 - 8 * i));
        const uint16_t crc = firmwareCrc16(image->data(), 62);
        (*image)[62] = static_cast<uint8_t>(crc >> 8);
        (*image)[63] = static_cast<uint8_t>(crc);
    } else {
        *error = "unknown fixture " + name;
        return false;
    }
    return true;
}

std::string FirmwareImageBuilder::describe(const std::vector<uint8_t> &image)
{
    UfwHeader header;
    if (image.size() >= 4 && std::memcmp(image.data(), "VUFW", 4) == 0) {
        const UfwHeader::Check check = UfwHeader::parse(image.data(), image.size(), &header);
        if (check != UfwHeader::Check::Ok)
            return "ufw: damaged header or payload";
        char crc[64];
        std::snprintf(crc, sizeof(crc), " length %u crc32 %08x crc16 %04x", header.payloadLength, header.payloadCrc,
                      header.headerCrc);
        return "ufw: product " + header.product + " version " + header.version + crc;
    }
    // The layout follows from the size: a 256 KB-layout image fits its read window, a 512 KB one not.
    const BinImageLayout &small = *BinImageLayout::forKind(FirmwareImageKind::ImageBin256K);
    const BinImageLayout &large = *BinImageLayout::forKind(FirmwareImageKind::ImageBin512K);
    const BinImageLayout &layout = image.size() <= small.readWindow ? small : large;
    const BinImageIdentity identity = BinImageIdentity::read(image, layout);
    if (!identity.text.empty())
        return identity.text;
    return "no identity";
}
