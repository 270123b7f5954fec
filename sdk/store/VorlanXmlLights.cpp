// Light records, the modes in use, the light statuses, sleep times and key locks of a profile.

#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlNodes.h"
#include "sdk/store/XmlStore.h"

#include <cstring>
#include <string>

using namespace xmlstore;

namespace {

// The light record's fields in record order, as attribute names.
const char *const kLightFields[] = {"area",      "lightMode", "brightness", "speed",     "colorR",
                                    "colorG",    "colorB",    "bgColorR",   "bgColorG",  "bgColorB",
                                    "direction", "fullColor", "reserved12", "reserved13"};
static_assert(sizeof(kLightFields) / sizeof(kLightFields[0]) == sizeof(colorInfoData) / sizeof(int32_t),
              "one attribute per light field");

pugi::xml_node lightNode(const pugi::xml_node &profile, int area, int mode)
{
    const std::string areaText = std::to_string(area);
    const std::string modeText = std::to_string(mode);
    for (pugi::xml_node light = profile.child(kLight); light; light = light.next_sibling(kLight)) {
        if (areaText == light.attribute("area").value() && modeText == light.attribute("lightMode").value())
            return light;
    }
    return {};
}

void writeLight(pugi::xml_node light, const colorInfoData &record)
{
    int32_t fields[sizeof(colorInfoData) / sizeof(int32_t)];
    std::memcpy(fields, &record, sizeof(fields));
    for (std::size_t i = 0; i < sizeof(kLightFields) / sizeof(kLightFields[0]); ++i)
        setAttribute(light, kLightFields[i], fields[i]);
}

colorInfoData readLight(const pugi::xml_node &light)
{
    int32_t fields[sizeof(colorInfoData) / sizeof(int32_t)];
    for (std::size_t i = 0; i < sizeof(kLightFields) / sizeof(kLightFields[0]); ++i)
        fields[i] = parseInt(light.attribute(kLightFields[i]).value(), 0);
    colorInfoData record{};
    std::memcpy(&record, fields, sizeof(record));
    return record;
}

void setModeInUse(pugi::xml_node profile, int area, int mode)
{
    pugi::xml_node in = childWithInt(profile, kLightUsing, "area", area);
    if (!in) {
        in = profile.append_child(kLightUsing);
        in.append_attribute("area") = area;
    }
    setAttribute(in, "mode", mode);
}

// An int attribute of a profile node; fallback when the file, the profile or the attribute is missing.
int profileInt(const char *call, const char *path, const char *profileIndex, const char *attribute, int fallback)
{
    int value = fallback;
    readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
        value = parseInt(profile.attribute(attribute).value(), fallback);
        return true;
    });
    return value;
}

} // namespace

bool CVorlanXML_AddProFileLightInfoItem(const char *path, const char *profileIndex, colorInfoData record)
{
    static const char *const call = "CVorlanXML_AddProFileLightInfoItem";
    return guarded(call, false, [&] {
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            pugi::xml_node light = lightNode(profile, record.area, record.lightMode);
            if (!light)
                light = profile.append_child(kLight);
            writeLight(light, record);
            // A new profile shows its first record of an area until a mode is chosen.
            if (!childWithInt(profile, kLightUsing, "area", record.area))
                setModeInUse(profile, record.area, record.lightMode);
            return true;
        });
    });
}

bool CVorlanXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *profileIndex, int area, int mode)
{
    static const char *const call = "CVorlanXML_IsProFileAlreadyHaveLightInfo";
    return guarded(call, false, [&] {
        return readProfile(call, path, profileIndex,
                           [&](pugi::xml_node profile) { return bool(lightNode(profile, area, mode)); });
    });
}

bool CVorlanXML_ModifyProFileLightInfoItem(const char *path, const char *profileIndex, int area, int mode,
                                           colorInfoData record)
{
    static const char *const call = "CVorlanXML_ModifyProFileLightInfoItem";
    return guarded(call, false, [&] {
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            const pugi::xml_node light = lightNode(profile, area, mode);
            if (!light)
                return false;
            // The record stays filed under the area and mode it was asked for.
            record.area = area;
            record.lightMode = mode;
            writeLight(light, record);
            return true;
        });
    });
}

bool CVorlanXML_SelectProfileColorDataInfo(const char *path, const char *profileIndex, int area, int mode,
                                           colorInfoData *record)
{
    static const char *const call = "CVorlanXML_SelectProfileColorDataInfo";
    return guarded(call, false, [&] {
        return record != nullptr && readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   const pugi::xml_node light = lightNode(profile, area, mode);
                   if (light)
                       *record = readLight(light);
                   return bool(light);
               });
    });
}

int CVorlanXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *profileIndex, int area)
{
    static const char *const call = "CVorlanXML_SelectProFileMouseLightTypeUsingIndex";
    return guarded(call, -1, [&] {
        int mode = -1;
        readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            mode = parseInt(childWithInt(profile, kLightUsing, "area", area).attribute("mode").value(), -1);
            return true;
        });
        return mode;
    });
}

bool CVorlanXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *profileIndex, int area, int mode)
{
    static const char *const call = "CVorlanXML_ModifyProFileMouseLightUsingIndex";
    return guarded(call, false, [&] {
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            setModeInUse(profile, area, mode);
            return true;
        });
    });
}

int CVorlanXML_SelectProFileLightTypeRuningStatus(const char *path, const char *profileIndex)
{
    static const char *const call = "CVorlanXML_SelectProFileLightTypeRuningStatus";
    return guarded(call, 0, [&] { return profileInt(call, path, profileIndex, "runningStatus", 0); });
}

int CVorlanXML_SelectProFileLightSynchronizeStatus(const char *path, const char *profileIndex)
{
    static const char *const call = "CVorlanXML_SelectProFileLightSynchronizeStatus";
    return guarded(call, 0, [&] { return profileInt(call, path, profileIndex, "syncStatus", 0); });
}

bool CVorlanXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *profileIndex, int status)
{
    static const char *const call = "CVorlanXML_ModifyProFileLightSynchronizeStatus";
    return guarded(call, false, [&] {
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            setAttribute(profile, "syncStatus", status);
            return true;
        });
    });
}

bool CVorlanXML_SetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex, int lightSleep,
                                            int keyboardSleep)
{
    static const char *const call = "CVorlanXML_SetProFileIntoSleepTimeInfo";
    return guarded(call, false, [&] {
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            setAttribute(profile, "lightSleep", lightSleep);
            setAttribute(profile, "keyboardSleep", keyboardSleep);
            return true;
        });
    });
}

bool CVorlanXML_GetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex, int *times)
{
    static const char *const call = "CVorlanXML_GetProFileIntoSleepTimeInfo";
    return guarded(call, false, [&] {
        return times != nullptr && readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   const pugi::xml_attribute light = profile.attribute("lightSleep");
                   const pugi::xml_attribute keyboard = profile.attribute("keyboardSleep");
                   if (!light || !keyboard)
                       return false;
                   times[0] = parseInt(light.value(), times[0]);
                   times[1] = parseInt(keyboard.value(), times[1]);
                   return true;
               });
    });
}

namespace {

const char *const kLocks = "locks";
const char *const kLockFields[] = {"altTab", "altF4", "shiftTab", "winKey"};

} // namespace

bool CVorlanXML_AddProFileFunctionInfo(const char *path, const char *profileIndex, const char *altTab,
                                       const char *altF4, const char *shiftTab, const char *winKey)
{
    static const char *const call = "CVorlanXML_AddProFileFunctionInfo";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {altTab, altF4, shiftTab, winKey}))
            return false;
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            pugi::xml_node locks = profile.child(kLocks);
            if (!locks)
                locks = profile.append_child(kLocks);
            const char *const values[] = {altTab, altF4, shiftTab, winKey};
            for (std::size_t i = 0; i < 4; ++i)
                setAttribute(locks, kLockFields[i], values[i]);
            return true;
        });
    });
}

bool CVorlanXML_GetProFileFunctionInfo(const char *path, const char *profileIndex, ProFileFunctionInfo *info)
{
    static const char *const call = "CVorlanXML_GetProFileFunctionInfo";
    return guarded(call, false, [&] {
        return info != nullptr && readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   const pugi::xml_node locks = profile.child(kLocks);
                   if (!locks)
                       return false;
                   char *const fields[] = {info->altTab, info->altF4, info->shiftTab, info->winKey};
                   for (std::size_t i = 0; i < 4; ++i)
                       copyField(fields[i], sizeof(info->altTab), locks.attribute(kLockFields[i]).value());
                   return true;
               });
    });
}
