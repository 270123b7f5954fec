#include "sdk/hid/VorlanHidSdk.h"

#include "sdk/hid/HidApiTransport.h"
#include "sdk/hid/HidDiscovery.h"
#include "sdk/hid/HidFirmwareFlasher.h"
#include "sdk/hid/HidHandleTable.h"
#include "sdk/hid/HidPacingTimer.h"
#include "sdk/hid/SimTransport.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/HidText.h"
#include "sdk/protocol/ModelCatalog.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include <hidapi/hidapi.h>

namespace {

constexpr const char *kSdkVersion = "VorlanSdk 2.3.2";

HidHandleTable &handleTable()
{
    static HidHandleTable table;
    return table;
}

// Timers named by the 8-byte record: word 0 is the slot, word 1 a generation that a record must
// match, so a zero-filled or stale record names no timer.
class TimerRegistry
{
public:
    HighPrecisionTimerStu create()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_timers.push_back(std::make_shared<HidPacingTimer>());
        return {static_cast<uint32_t>(m_timers.size() - 1), kGeneration};
    }

    std::shared_ptr<HidPacingTimer> find(HighPrecisionTimerStu record)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (record.generation != kGeneration || record.id >= m_timers.size())
            return nullptr;
        return m_timers[record.id];
    }

private:
    static constexpr uint32_t kGeneration = 0x564c5401;
    std::mutex m_mutex;
    std::vector<std::shared_ptr<HidPacingTimer>> m_timers;
};

TimerRegistry &timerRegistry()
{
    static TimerRegistry registry;
    return registry;
}

std::string hexText(const char *prefix, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%s%04x", prefix, value);
    return text;
}

} // namespace

void CVorlanSDK_VersionStr(char *versionStr)
{
    if (versionStr)
        copyHidText(versionStr, 1024, kSdkVersion);
}

int CVorlanXML_Init()
{
    // The XML store keeps no global state that needs preparing.
    return 0;
}

int CVorlanHid_Init()
{
    return hid_init() == 0 ? 0 : -1;
}

int CVorlanLight_Init()
{
    // The light engine starts its work per device; nothing to prepare globally.
    return 0;
}

void CVorlanHid_GetSupportInfoList(std::list<SupportInfoStu> *supportList)
{
    if (!supportList)
        return;
    for (const ModelInfo &model : ModelCatalog::models()) {
        for (const ModelIds &ids : model.ids) {
            SupportInfoStu info{};
            copyHidText(info.modelName, sizeof(info.modelName), model.name);
            // Prefixed so that the substring match on a device path cannot hit other digits.
            copyHidText(info.vidText, sizeof(info.vidText), hexText("vid_", ids.vid));
            copyHidText(info.pidText, sizeof(info.pidText), hexText("pid_", ids.pid));
            info.interfaceNumber = ids.interfaceNumber;
            info.isDongle = ids.isDongle ? 1 : 0;
            supportList->push_back(info);
        }
    }
}

void CVorlanHid_GetHidInfoList(std::list<std::string> *pathList)
{
    if (!pathList)
        return;
    for (const std::string &path : HidDiscovery::connectedPaths())
        pathList->push_back(path);
}

void CVorlanHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu> *modelMap)
{
    if (!modelMap)
        return;
    for (const ModelInfo &model : ModelCatalog::models()) {
        HidInfoStu info{};
        copyHidText(info.deviceKind, sizeof(info.deviceKind), model.deviceKind);
        copyHidText(info.hidName, sizeof(info.hidName), model.name);
        info.keyCount = model.keyCount;
        copyHidText(info.productName, sizeof(info.productName), model.productName);
        copyHidText(info.deviceName, sizeof(info.deviceName), model.deviceName);
        (*modelMap)[model.name] = info;
    }
}

bool CVorlanHid_GetHidAndFirmwareInfoStu(const char *path, hidStu *hid, FirmwareInfoStu *firmware)
{
    if (!path || !hid || !firmware)
        return false;
    return HidDiscovery::describe(path, hid, firmware);
}

intptr_t CVorlanHid_OpenPath(const char *pathText)
{
    HidDevicePath path;
    // Keyboards of the catalogue, and our bootloaders.
    if (!pathText || !HidDevicePath::parse(pathText, &path)
        || !(ModelCatalog::findByIds(path.vid, path.pid) || HidDiscovery::isBootloaderIds(path.vid, path.pid)))
        return 0;
    std::shared_ptr<HidTransport> transport(path.isSimulated()
                                                ? static_cast<HidTransport *>(SimTransport::open(path.simSocketPath()))
                                                : static_cast<HidTransport *>(HidApiTransport::open(path.backendPath)));
    return transport ? handleTable().add(std::move(transport)) : 0;
}

int CVorlanHid_SetNonblocking(intptr_t handle, int nonblock)
{
    const std::shared_ptr<HidTransport> transport = handleTable().find(handle);
    return transport ? transport->setNonblocking(nonblock != 0) : -1;
}

int CVorlanHid_HidWriteBuff(intptr_t handle, const unsigned char *report, const char * /*path*/)
{
    const std::shared_ptr<HidTransport> transport = handleTable().find(handle);
    return transport && report ? transport->write(report) : -1;
}

int CVorlanHid_HidReadBuff(intptr_t handle, unsigned char *report)
{
    const std::shared_ptr<HidTransport> transport = handleTable().find(handle);
    return transport && report ? transport->read(report) : -1;
}

void CVorlanHid_Close(intptr_t handle)
{
    // The transport closes when its last user lets go of it.
    handleTable().remove(handle);
}

int CVorlanHid_FirmwareUpgrade(intptr_t handle, const char *imagePath, int /*size*/, int /*reserved*/, int receiverFlag,
                               void (*progress)(int total, int current))
{
    // The whole file goes out whatever the size argument says: a 512 KB-layout image is longer
    // than the 262144 bytes callers pass.
    if (!imagePath)
        return FirmwareUpgradeBadArgument;
    return HidFirmwareFlasher::flash(handleTable().find(handle), imagePath, receiverFlag != 0, progress);
}

void CVorlanHid_highPrecisionTimerInit(HighPrecisionTimerStu *timer)
{
    if (timer)
        *timer = timerRegistry().create();
}

void CVorlanHid_highPrecisionTimerStart(HighPrecisionTimerStu timer)
{
    if (const std::shared_ptr<HidPacingTimer> pacing = timerRegistry().find(timer))
        pacing->start();
}

void CVorlanHid_highPrecisionTimerRuning(int value, HighPrecisionTimerStu timer)
{
    if (const std::shared_ptr<HidPacingTimer> pacing = timerRegistry().find(timer))
        pacing->waitNextTick(std::chrono::microseconds(10LL * value));
}

void CVorlanHid_highPrecisionTimerStop(HighPrecisionTimerStu timer)
{
    if (const std::shared_ptr<HidPacingTimer> pacing = timerRegistry().find(timer))
        pacing->stop();
}
