#include "sdk/hid/HidDiscovery.h"

#include "sdk/hid/SimTransport.h"
#include "sdk/protocol/FirmwareIdentity.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/HidText.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>

#include <dirent.h>
#include <hidapi/hidapi.h>
#include <sys/stat.h>

namespace {

std::string narrowText(const wchar_t *text)
{
    std::string result;
    for (; text && *text; ++text)
        result += (*text > 0 && *text < 0x80) ? static_cast<char>(*text) : '?';
    return result;
}

bool isSocket(const std::string &path)
{
    struct stat info
    {};
    return ::stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// The firmware version that hidapi reports as a BCD release number.
std::string releaseText(unsigned short release)
{
    char text[16];
    std::snprintf(text, sizeof(text), "V%x.%02x", release >> 8, release & 0xff);
    return text;
}

// The whole identity of a simulated keyboard, read over a short connection of its own.
bool readSimulatedIdentity(const std::string &socketPath, FirmwareIdentity *identity)
{
    constexpr int kAnswerTimeoutMs = 300;
    const std::unique_ptr<SimTransport> transport(SimTransport::open(socketPath));
    if (!transport)
        return false;
    for (int field = 0; field < FirmwareIdentity::FieldCount; ++field) {
        std::string &text = identity->texts[field];
        text.clear();
        bool complete = false;
        while (!complete) {
            const FirmwareIdentityFeature::Report request = FirmwareIdentityFeature::request(field, text.size());
            FirmwareIdentityFeature::Report answer = request;
            if (transport->getFeatureReport(answer.data(), kAnswerTimeoutMs) < 0
                || !FirmwareIdentityFeature::takeAnswer(request, answer, &text, &complete))
                return false;
        }
    }
    return true;
}

void fillRecords(const ModelInfo &model, const ModelIds &ids, const std::string &path, const std::string &manufacturer,
                 const std::string &product, const FirmwareIdentity &identity, hidStu *hid, FirmwareInfoStu *firmware)
{
    std::memset(hid, 0, sizeof(*hid));
    hid->vid = ids.vid;
    hid->pid = ids.pid;
    copyHidText(hid->path, sizeof(hid->path), path);
    copyHidText(hid->hidManufacturer, sizeof(hid->hidManufacturer), manufacturer);
    copyHidText(hid->hidProduct, sizeof(hid->hidProduct), product);
    copyHidText(hid->hidName, sizeof(hid->hidName), model.name);
    const auto &texts = identity.texts;
    copyHidText(hid->hidFirmwareNUC, sizeof(hid->hidFirmwareNUC),
                texts[FirmwareIdentity::Chip] + "," + texts[FirmwareIdentity::NumberField] + ","
                    + texts[FirmwareIdentity::DeviceClass] + "," + texts[FirmwareIdentity::VendorCode] + ","
                    + texts[FirmwareIdentity::Model]);
    hid->isDongle = ids.isDongle ? 1 : 0;

    std::memset(firmware, 0, sizeof(*firmware));
    copyHidText(firmware->chip, sizeof(firmware->chip), texts[FirmwareIdentity::Chip]);
    copyHidText(firmware->numberField, sizeof(firmware->numberField), texts[FirmwareIdentity::NumberField]);
    copyHidText(firmware->deviceClass, sizeof(firmware->deviceClass), texts[FirmwareIdentity::DeviceClass]);
    copyHidText(firmware->vendorCode, sizeof(firmware->vendorCode), texts[FirmwareIdentity::VendorCode]);
    copyHidText(firmware->model, sizeof(firmware->model), texts[FirmwareIdentity::Model]);
    copyHidText(firmware->version, sizeof(firmware->version), texts[FirmwareIdentity::Version]);
    copyHidText(firmware->extraText, sizeof(firmware->extraText), texts[FirmwareIdentity::ExtraText]);
}

} // namespace

std::vector<std::string> HidDiscovery::connectedPaths()
{
    std::vector<std::string> paths = hidapiPaths();
    const std::vector<std::string> simulated = simulatedPaths();
    paths.insert(paths.end(), simulated.begin(), simulated.end());
    return paths;
}

bool HidDiscovery::isBootloaderIds(uint16_t vid, uint16_t pid)
{
    for (const FirmwareImageRow &row : ModelCatalog::firmwareImageRows()) {
        if (row.kind != FirmwareImageKind::ImageUfw && row.bootloaderVid == vid && row.bootloaderPid == pid)
            return true;
    }
    return false;
}

std::vector<std::string> HidDiscovery::hidapiPaths()
{
    std::vector<std::string> paths;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (hid_device_info *device = devices; device; device = device->next) {
        if (isBootloaderIds(device->vendor_id, device->product_id)) {
            // Only our bootloader: a foreign device with the same ids is never opened.
            if (narrowText(device->product_string) != ModelCatalog::bootloaderProductString)
                continue;
            HidDevicePath path;
            path.vid = device->vendor_id;
            path.pid = device->product_id;
            path.interfaceNumber = std::max(0, device->interface_number);
            path.backendPath = device->path;
            paths.push_back(path.toString());
            continue;
        }
        const ModelIds *ids = nullptr;
        if (!ModelCatalog::findByIds(device->vendor_id, device->product_id, &ids)
            || device->interface_number != ids->interfaceNumber)
            continue;
        HidDevicePath path;
        path.vid = ids->vid;
        path.pid = ids->pid;
        path.interfaceNumber = ids->interfaceNumber;
        path.backendPath = device->path;
        paths.push_back(path.toString());
    }
    hid_free_enumeration(devices);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::string> HidDiscovery::simulatedPaths()
{
    std::vector<std::string> paths;
    const std::string folder = SimSocketName::simulatorFolder();
    if (folder.empty())
        return paths;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return paths;
    while (const dirent *entry = ::readdir(dir)) {
        HidDevicePath path;
        const std::string name = entry->d_name;
        if (!SimSocketName::parse(name, &path.vid, &path.pid, &path.interfaceNumber))
            continue;
        const bool bootloader = isBootloaderIds(path.vid, path.pid);
        if (!bootloader && !ModelCatalog::findByIds(path.vid, path.pid))
            continue;
        const std::string socketPath = folder + "/" + name;
        if (!isSocket(socketPath))
            continue;
        path.backendPath = HidDevicePath::simPrefix + socketPath;
        // A bootloader's ids keep the spelling of its socket name ("3F00" or "3f00").
        paths.push_back(bootloader ? "hid#vid_" + name.substr(4, 4) + "&pid_" + name.substr(9, 4) + "&mi_"
                                         + name.substr(14, 2) + "#" + path.backendPath
                                   : path.toString());
    }
    ::closedir(dir);
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool HidDiscovery::describe(const std::string &pathText, hidStu *hid, FirmwareInfoStu *firmware)
{
    HidDevicePath path;
    const ModelIds *ids = nullptr;
    if (!HidDevicePath::parse(pathText, &path))
        return false;
    const ModelInfo *model = ModelCatalog::findByIds(path.vid, path.pid, &ids);
    if (!model || ids->interfaceNumber != path.interfaceNumber)
        return false;

    if (path.isSimulated()) {
        // A socket that does not answer the identity request is not a keyboard.
        FirmwareIdentity identity;
        if (!isSocket(path.simSocketPath()) || !readSimulatedIdentity(path.simSocketPath(), &identity))
            return false;
        fillRecords(*model, *ids, pathText, model->manufacturer, model->productName, identity, hid, firmware);
        return true;
    }

    bool found = false;
    hid_device_info *devices = hid_enumerate(path.vid, path.pid);
    for (hid_device_info *device = devices; device && !found; device = device->next) {
        if (device->interface_number != path.interfaceNumber || path.backendPath != device->path)
            continue;
        FirmwareIdentity identity = FirmwareIdentity::fromModel(*model);
        identity.texts[FirmwareIdentity::Version] = releaseText(device->release_number);
        fillRecords(*model, *ids, pathText, narrowText(device->manufacturer_string), narrowText(device->product_string),
                    identity, hid, firmware);
        found = true;
    }
    hid_free_enumeration(devices);
    return found;
}
