#include "sdk/protocol/ModelCatalog.h"

namespace {

constexpr uint16_t kVendorId = 0x1209;

std::vector<ModelInfo> buildCatalog()
{
    // Light-mode codes: every keyboard mode but DPI, and one model without the animated ones.
    const std::vector<uint8_t> fullModes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 100};
    const std::vector<uint8_t> plainModes = {0, 1, 2, 3, 9, 10, 100};
    const std::vector<uint8_t> sideModes = {0, 1, 2, 3, 4, 5};

    std::vector<ModelInfo> models;
    models.push_back({"Aster104",
                      "Aster 104",
                      "RGB Keyboard",
                      "keyboard",
                      "Vorlan",
                      104,
                      true,
                      false,
                      false,
                      {{kVendorId, 0x0001, 1, false}},
                      fullModes,
                      4,
                      4,
                      sideModes,
                      4,
                      4,
                      "VL8201",
                      "01",
                      "KB",
                      "VL",
                      "V1.00.06",
                      "Aster full-size"});
    models.push_back({"Quartz68HE",
                      "Quartz 68 HE",
                      "Magnetic Keyboard",
                      "keyboard",
                      "Vorlan",
                      68,
                      false,
                      true,
                      true,
                      {{kVendorId, 0x0002, 1, false}},
                      fullModes,
                      4,
                      4,
                      {},
                      0,
                      0,
                      "VL8302",
                      "02",
                      "MK",
                      "VL",
                      "V104",
                      "Quartz magnetic"});
    models.push_back({"Breeze84W",
                      "Breeze 84",
                      "Wireless Keyboard",
                      "keyboard",
                      "Vorlan",
                      84,
                      false,
                      false,
                      false,
                      {{kVendorId, 0x0003, 1, false}, {kVendorId, 0x0004, 1, true}},
                      plainModes,
                      4,
                      4,
                      {},
                      0,
                      0,
                      "VL8105",
                      "03",
                      "WK",
                      "VL",
                      "V1.00.06",
                      "Breeze wireless"});
    // Models of the firmware upgrade: one at its image's version, one whose receiver has no image of
    // its own, one ".ufw" model with a receiver image.
    models.push_back({"Cinder104",
                      "Cinder 104",
                      "RGB Keyboard",
                      "keyboard",
                      "Vorlan",
                      104,
                      true,
                      false,
                      false,
                      {{kVendorId, 0x0008, 1, false}},
                      fullModes,
                      4,
                      4,
                      sideModes,
                      4,
                      4,
                      "VL8201",
                      "04",
                      "KB",
                      "VL",
                      "V1.00.10",
                      "Cinder full-size"});
    models.push_back({"Ember84",
                      "Ember 84",
                      "Wireless Keyboard",
                      "keyboard",
                      "Vorlan",
                      84,
                      false,
                      false,
                      false,
                      {{kVendorId, 0x0009, 1, false}, {kVendorId, 0x000A, 1, true}},
                      plainModes,
                      4,
                      4,
                      {},
                      0,
                      0,
                      "VL8105",
                      "05",
                      "KB",
                      "VL",
                      "V1.00.06",
                      "Ember wireless"});
    models.push_back({"Flint68HE",
                      "Flint 68 HE",
                      "Magnetic Keyboard",
                      "keyboard",
                      "Vorlan",
                      68,
                      false,
                      true,
                      true,
                      {{kVendorId, 0x000B, 1, false}, {kVendorId, 0x000C, 1, true}},
                      fullModes,
                      4,
                      4,
                      {},
                      0,
                      0,
                      "VL8302",
                      "06",
                      "MK",
                      "VL",
                      "V104",
                      "Flint magnetic"});
    return models;
}

} // namespace

const std::vector<ModelInfo> &ModelCatalog::models()
{
    static const std::vector<ModelInfo> catalog = buildCatalog();
    return catalog;
}

const ModelInfo *ModelCatalog::findByName(const std::string &name)
{
    for (const ModelInfo &model : models()) {
        if (model.name == name)
            return &model;
    }
    return nullptr;
}

const ModelInfo *ModelCatalog::findByIds(uint16_t vid, uint16_t pid, const ModelIds **ids)
{
    for (const ModelInfo &model : models()) {
        for (const ModelIds &candidate : model.ids) {
            if (candidate.vid == vid && candidate.pid == pid) {
                if (ids)
                    *ids = &candidate;
                return &model;
            }
        }
    }
    return nullptr;
}

bool ModelCatalog::isMagneticModel(const std::string &name)
{
    const ModelInfo *model = findByName(name);
    return model && model->isMagnetic;
}

bool ModelCatalog::usesLightQueueDepth10(const std::string &name)
{
    const ModelInfo *model = findByName(name);
    return model && model->lightQueueDepth10;
}

ModelViewLook ModelCatalog::viewLook(const std::string &name)
{
    struct Row
    {
        const char *name;
        ModelViewLook look;
    };
    // The picture sizes are those kbLayoutWriter reports for the layout files.
    static const Row rows[] = {
        //               picture    device type  L-Enter  notch                         pill caps
        {"Aster104", {742, 222, 2, false, ModelViewLook::NotchStandard, false}},
        {"Quartz68HE", {534, 182, 4, false, ModelViewLook::NotchStandard, true}},
        {"Breeze84W", {582, 222, 3, true, ModelViewLook::NotchStandard, false}},
        {"Cinder104", {742, 222, 2, false, ModelViewLook::NotchStandard, false}},
        {"Ember84", {582, 222, 3, true, ModelViewLook::NotchStandard, false}},
        {"Flint68HE", {534, 182, 4, false, ModelViewLook::NotchStandard, true}},
    };
    for (const Row &row : rows) {
        if (name == row.name && findByName(name))
            return row.look;
    }
    return {};
}

const std::vector<FirmwareImageRow> &ModelCatalog::firmwareImageRows()
{
    using Kind = FirmwareImageKind;
    static const std::vector<FirmwareImageRow> rows = {
        {"Aster104", Kind::ImageBin256K, 0x0416, 0x3f00, false},
        {"Breeze84W", Kind::ImageBin512K, 0x1FC9, 0xF7DF, false},
        {"Quartz68HE", Kind::ImageUfw, 0, 0, false},
        {"Cinder104", Kind::ImageBin256K, 0x0416, 0x3f00, true},
        {"Ember84", Kind::ImageBin256K, 0x0416, 0x3f01, false},
        {"Flint68HE", Kind::ImageUfw, 0, 0, false},
        {"Glacier75", Kind::ImageUfw, 0, 0, false},
    };
    return rows;
}

const FirmwareImageRow *ModelCatalog::findFirmwareImage(const std::string &name)
{
    for (const FirmwareImageRow &row : firmwareImageRows()) {
        if (name == row.modelName)
            return &row;
    }
    return nullptr;
}

std::string ModelCatalog::firmwareImageName(FirmwareImageKind kind, const std::string &name, bool receiver)
{
    const std::string suffix = kind == FirmwareImageKind::ImageUfw ? ".ufw" : ".bin";
    const bool dongle = receiver && kind != FirmwareImageKind::ImageBin256K;
    return name + (dongle ? "_Dongle" : "") + suffix;
}
