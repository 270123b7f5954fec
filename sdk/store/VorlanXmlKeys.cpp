// Key operations of a profile and the profile's bound macro copies.

#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlNodes.h"
#include "sdk/store/XmlStore.h"

#include <cstring>

using namespace xmlstore;

namespace {

pugi::xml_node keyNode(const pugi::xml_node &profile, const char *keyCode)
{
    return childWith(profile, kKey, "code", keyCode);
}

// The bound copy of a macro: by its index, or by its node name when no index is given.
pugi::xml_node boundMacroNode(const pugi::xml_node &profile, const char *macroIndex, const char *nodeName)
{
    if (macroIndex != nullptr && *macroIndex != '\0')
        return childWith(profile, kBoundMacro, "index", macroIndex);
    if (nodeName != nullptr && *nodeName != '\0')
        return childWith(profile, kBoundMacro, "name", nodeName);
    return {};
}

} // namespace

bool CVorlanXML_ProFileKeyInfoSelectAll(const char *path, const char *profileIndex, std::list<std::string> *keyCodes)
{
    static const char *const call = "CVorlanXML_ProFileKeyInfoSelectAll";
    return guarded(call, false, [&] {
        return keyCodes != nullptr && readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   for (const pugi::xml_node key : profile.children(kKey))
                       keyCodes->emplace_back(key.attribute("code").value());
                   return bool(profile);
               });
    });
}

bool CVorlanXML_SelectProFileKeyOperateInfo(const char *path, const char *profileIndex, const char *keyCode,
                                            KeyOperateInfo *info)
{
    static const char *const call = "CVorlanXML_SelectProFileKeyOperateInfo";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {keyCode}) || info == nullptr)
            return false;
        return readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            const pugi::xml_node key = keyNode(profile, keyCode);
            if (!key)
                return false;
            copyField(info->keyIndex, sizeof(info->keyIndex), key.attribute("code").value());
            copyField(info->keyName, sizeof(info->keyName), key.attribute("name").value());
            copyField(info->operateType, sizeof(info->operateType), key.attribute("type").value());
            copyField(info->count, sizeof(info->count), key.attribute("count").value());
            copyField(info->mode, sizeof(info->mode), key.attribute("mode").value());
            copyField(info->value, sizeof(info->value), key.attribute("value").value());
            return true;
        });
    });
}

long CVorlanXML_SelectProFileKeyOperateValue(const char *path, const char *profileIndex, const char *keyCode,
                                             char *buffer, std::size_t bufferSize)
{
    static const char *const call = "CVorlanXML_SelectProFileKeyOperateValue";
    return guarded(call, -1L, [&] {
        long length = -1;
        if (!textsGiven(call, {keyCode}))
            return length;
        readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            const pugi::xml_node key = keyNode(profile, keyCode);
            if (!key)
                return false;
            const char *value = key.attribute("value").value();
            length = static_cast<long>(buffer ? copyField(buffer, bufferSize, value) : std::strlen(value));
            return true;
        });
        return length;
    });
}

bool CVorlanXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex, const char *keyCode,
                                               const char *keyName, const char *operateType, const char *count,
                                               const char *mode, const char *value)
{
    static const char *const call = "CVorlanXML_AddProFileMacroWithKeyInfoItem";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {keyCode, keyName, operateType, count, mode, value}) || *keyCode == '\0')
            return false;
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            // One entry per key: a second add replaces the first in its place.
            pugi::xml_node key = keyNode(profile, keyCode);
            if (!key)
                key = profile.append_child(kKey);
            setAttribute(key, "code", keyCode);
            setAttribute(key, "name", keyName);
            setAttribute(key, "type", operateType);
            setAttribute(key, "count", count);
            setAttribute(key, "mode", mode);
            setAttribute(key, "value", value);
            return true;
        });
    });
}

bool CVorlanXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex, const char *keyCode,
                                                  const char *)
{
    static const char *const call = "CVorlanXML_DeleteProFileMacroWithKeyInfoItem";
    return guarded(call, false, [&] {
        // Matched on the key code alone: callers pass the key name in different encodings.
        return textsGiven(call, {keyCode}) && changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   const pugi::xml_node key = keyNode(profile, keyCode);
                   return key && profile.remove_child(key);
               });
    });
}

int CVorlanXML_GetProFileValueNum(const char *path, const char *profileIndex, const char *operateType,
                                  const char *value)
{
    static const char *const call = "CVorlanXML_GetProFileValueNum";
    return guarded(call, -1, [&] {
        int number = -1;
        if (!textsGiven(call, {operateType, value}))
            return number;
        readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            number = 0;
            for (const pugi::xml_node key : profile.children(kKey)) {
                if (std::strcmp(key.attribute("type").value(), operateType) == 0
                    && std::strcmp(key.attribute("value").value(), value) == 0)
                    ++number;
            }
            return true;
        });
        return number;
    });
}

bool CVorlanXML_AddProFileBindMacroItem(const char *path, const char *profileIndex, std::list<MacroEvent> events,
                                        const char *macroIndex, const char *nodeName)
{
    static const char *const call = "CVorlanXML_AddProFileBindMacroItem";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {macroIndex, nodeName}) || *macroIndex == '\0')
            return false;
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            // At most one copy per macro index.
            const pugi::xml_node old = boundMacroNode(profile, macroIndex, nullptr);
            pugi::xml_node copy =
                old ? profile.insert_child_before(kBoundMacro, old) : profile.append_child(kBoundMacro);
            if (old)
                profile.remove_child(old);
            copy.append_attribute("index") = macroIndex;
            copy.append_attribute("name") = nodeName;
            appendEvents(copy, events);
            return true;
        });
    });
}

bool CVorlanXML_DeleteProFileBindMacroNode(const char *path, const char *profileIndex, const char *macroIndex,
                                           const char *nodeName)
{
    static const char *const call = "CVorlanXML_DeleteProFileBindMacroNode";
    return guarded(call, false, [&] {
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            const pugi::xml_node copy = boundMacroNode(profile, macroIndex, nodeName);
            return copy && profile.remove_child(copy);
        });
    });
}

bool CVorlanXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *profileIndex, const char *macroIndex,
                                                 const char *nodeName, std::list<MacroEvent> *events)
{
    static const char *const call = "CVorlanXML_ProFileMacroWithKeyInfoSelectAll";
    return guarded(call, false, [&] {
        return events != nullptr && readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   const pugi::xml_node copy = boundMacroNode(profile, macroIndex, nodeName);
                   for (const pugi::xml_node event : copy.children(kEvent))
                       events->push_back(readEvent(event));
                   return bool(copy);
               });
    });
}
