#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One USB identity under which a model appears (cable keyboard or its 2.4 GHz receiver).
struct ModelIds
{
    uint16_t vid;
    uint16_t pid;
    int interfaceNumber; // the vendor interface that carries the 64-byte reports
    bool isDongle;
};

// How the keyboard view shows a model: picture size at scale 1 (the layout file fits in it), the
// layout file's model flags and the look of the Enter key and the caps.
struct ModelViewLook
{
    enum EnterNotch { NotchStandard, NotchDeep, NotchShallow, NotchShallowNarrow };

    int pictureWidth = 0;
    int pictureHeight = 0;
    int hidDeviceType = 2;
    bool specialEnterKey = false; // L-shaped Enter
    EnterNotch enterNotch = NotchStandard;
    bool pillCaps = false;
};

struct ModelInfo
{
    std::string name; // model name: key of the supported-model map, layout, picture and profile folder
    std::string productName;
    std::string deviceName;
    std::string deviceKind;
    std::string manufacturer;
    int keyCount;
    bool hasSideLight;
    bool isMagnetic;
    bool lightQueueDepth10;
    std::vector<ModelIds> ids;
    std::vector<uint8_t> keyboardLightModes;
    int keyboardSpeedSteps;
    int keyboardBrightnessSteps;
    std::vector<uint8_t> sideLightModes; // empty for models without side light
    int sideSpeedSteps;
    int sideBrightnessSteps;
    // Firmware identity texts.
    std::string chip;
    std::string numberField;
    std::string deviceClass;
    std::string vendorCode;
    std::string firmwareVersion;
    std::string extraText;
};

// How a model's firmware is upgraded: a ".ufw" container through the upgrade library, or a ".bin"
// image of one of two layouts through the SDK's bootloader transfer.
enum class FirmwareImageKind { ImageUfw, ImageBin512K, ImageBin256K };

// One row of the upgradable-model table, keyed by the exact model name. A ".bin" model's bootloader
// appears under one of the three bootloader id pairs; the simulator spells its product id in upper
// case when bootloaderUpperCase is set.
struct FirmwareImageRow
{
    const char *modelName;
    FirmwareImageKind kind;
    uint16_t bootloaderVid;
    uint16_t bootloaderPid;
    bool bootloaderUpperCase;
};

// The one table of supported models read by the SDK, the simulator and the program's model lists.
class ModelCatalog
{
public:
    // The one model whose keyboards offer a switch that forbids sleeping.
    static constexpr const char *prohibitSleepModel = "Breeze84W";

    static const std::vector<ModelInfo> &models();
    static const ModelInfo *findByName(const std::string &name);
    // Finds the model and the identity for a USB id pair; null when unsupported.
    static const ModelInfo *findByIds(uint16_t vid, uint16_t pid, const ModelIds **ids = nullptr);
    static bool isMagneticModel(const std::string &name);
    static bool usesLightQueueDepth10(const std::string &name);
    // The keyboard view's look of a model; all defaults for a model not in the catalogue.
    static ModelViewLook viewLook(const std::string &name);

    // The upgradable models: generator, simulator and program read this one table.
    static const std::vector<FirmwareImageRow> &firmwareImageRows();
    // Exact, case-sensitive; null for a model without upgrade.
    static const FirmwareImageRow *findFirmwareImage(const std::string &name);
    // The built-in image's file name for a model of this kind and connection ("%1.bin",
    // "%1_Dongle.bin", "%1.ufw", "%1_Dongle.ufw"); ImageBin256K models use the cable image for both.
    static std::string firmwareImageName(FirmwareImageKind kind, const std::string &name, bool receiver);
    // The resource folder of the built-in images.
    static constexpr const char *firmwareImageFolder = ":/images/UpdateFirmwareFile/";
    // The USB product string of our bootloaders; hidapi lists no other bootloader interface.
    static constexpr const char *bootloaderProductString = "Vorlan Bootloader";
    // The longest model name an image can carry (.ufw product field and IDENT model field).
    static constexpr size_t maxImageModelLength = 16;
};
