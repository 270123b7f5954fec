#pragma once

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
    // LEDs of the side light in the colour stream: 33 unless the model is listed otherwise.
    static int sideLightLedCount(const std::string &name);
    // The keyboard view's look of a model; all defaults for a model not in the catalogue.
    static ModelViewLook viewLook(const std::string &name);

    // Music rhythm: the one model whose bars are each one key column wide.
    static constexpr const char *musicSingleColumnModel = "Pebble18";
    // Music rhythm: the key columns of a model whose board differs from others of its key count;
    // 0 when the key count alone decides.
    static int musicKeyColumnsException(const std::string &name, int keyCount);
};
