#pragma once

#include "sdk/protocol/FirmwareImageFormat.h"
#include "sdk/protocol/ModelCatalog.h"

#include <cstdint>
#include <string>
#include <vector>

// Builds the firmware images: the built-in set from the upgradable-model table and the
// catalogue's firmware texts, and deliberately flawed images for tests.
class FirmwareImageBuilder
{
public:
    static constexpr const char *binVersion = "V1.00.10";
    static constexpr const char *ufwVersion = "V105";
    // The ".ufw" no row names.
    static constexpr const char *spareUfwModel = "Harbor60";

    struct Image
    {
        std::string fileName;
        std::vector<uint8_t> bytes;
    };

    // A ".bin" image of the layout; its payload follows from the seed, its date and time too.
    // False with an error when the texts do not fit the identity block.
    static bool buildBin(const BinImageLayout &layout, const std::string &identity, const std::string &seed,
                         std::vector<uint8_t> *image, std::string *error);
    // The identity text of a model's ".bin" image with the given version.
    static std::string binIdentity(const ModelInfo &model, const std::string &version);
    // Checks the name limits of a ".bin" model; empty when they hold.
    static std::string binNameError(const std::string &chip, const std::string &vendorCode, const std::string &model);
    // A ".ufw" container whose payload follows from the seed.
    static bool buildUfw(const std::string &product, const std::string &version, const std::string &seed,
                         std::vector<uint8_t> *image, std::string *error);

    // The built-in set: images for every table row whose model is in the catalogue (a row whose
    // model is not gets none), the receiver images of ImageBin512K and receiver ".ufw" models, and
    // the spare ".ufw".
    static bool buildBuiltInSet(std::vector<Image> *images, std::string *error);

    // Flawed and variant images by name; false for an unknown name. See fixtureNames().
    static bool buildFixture(const std::string &name, std::vector<uint8_t> *image, std::string *error);
    static std::vector<std::string> fixtureNames();

    // The text fwimage --dump prints: the identity of a ".bin" or the header of a ".ufw".
    static std::string describe(const std::vector<uint8_t> &image);
};
