#include "sdk/hid/HidDiscovery.h"

#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/HidText.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>

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

void fillRecords(const ModelInfo &model, const ModelIds &ids, const std::string &path, const std::string &manufacturer,
                 const std::string &product, const std::string &version, hidStu *hid, FirmwareInfoStu *firmware)
{
    std::memset(hid, 0, sizeof(*hid));
    hid->vid = ids.vid;
    hid->pid = ids.pid;
    copyHidText(hid->path, sizeof(hid->path), path);
    copyHidText(hid->hidManufacturer, sizeof(hid->hidManufacturer), manufacturer);
    copyHidText(hid->hidProduct, sizeof(hid->hidProduct), product);
    copyHidText(hid->hidName, sizeof(hid->hidName), model.name);
    copyHidText(hid->hidFirmwareNUC, sizeof(hid->hidFirmwareNUC),
                model.chip + "," + model.numberField + "," + model.deviceClass + "," + model.vendorCode + ","
                    + model.name);
    hid->isDongle = ids.isDongle ? 1 : 0;

    std::memset(firmware, 0, sizeof(*firmware));
    copyHidText(firmware->chip, sizeof(firmware->chip), model.chip);
    copyHidText(firmware->numberField, sizeof(firmware->numberField), model.numberField);
    copyHidText(firmware->deviceClass, sizeof(firmware->deviceClass), model.deviceClass);
    copyHidText(firmware->vendorCode, sizeof(firmware->vendorCode), model.vendorCode);
    copyHidText(firmware->model, sizeof(firmware->model), model.name);
    copyHidText(firmware->version, sizeof(firmware->version), version);
    copyHidText(firmware->extraText, sizeof(firmware->extraText), model.extraText);
}

} // namespace

std::vector<std::string> HidDiscovery::connectedPaths()
{
    std::vector<std::string> paths = hidapiPaths();
    const std::vector<std::string> simulated = simulatedPaths();
    paths.insert(paths.end(), simulated.begin(), simulated.end());
    return paths;
}

std::vector<std::string> HidDiscovery::hidapiPaths()
{
    std::vector<std::string> paths;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (hid_device_info *device = devices; device; device = device->next) {
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
        if (!SimSocketName::parse(entry->d_name, &path.vid, &path.pid, &path.interfaceNumber)
            || !ModelCatalog::findByIds(path.vid, path.pid))
            continue;
        const std::string socketPath = folder + "/" + entry->d_name;
        if (!isSocket(socketPath))
            continue;
        path.backendPath = HidDevicePath::simPrefix + socketPath;
        paths.push_back(path.toString());
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
        if (!isSocket(path.simSocketPath()))
            return false;
        fillRecords(*model, *ids, pathText, model->manufacturer, model->productName, model->firmwareVersion, hid,
                    firmware);
        return true;
    }

    bool found = false;
    hid_device_info *devices = hid_enumerate(path.vid, path.pid);
    for (hid_device_info *device = devices; device && !found; device = device->next) {
        if (device->interface_number != path.interfaceNumber || path.backendPath != device->path)
            continue;
        fillRecords(*model, *ids, pathText, narrowText(device->manufacturer_string), narrowText(device->product_string),
                    releaseText(device->release_number), hid, firmware);
        found = true;
    }
    hid_free_enumeration(devices);
    return found;
}
