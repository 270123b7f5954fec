// Custom-light sets of a profile and the custom-light default files.

#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlNodes.h"
#include "sdk/store/XmlStore.h"

#include <string>

using namespace xmlstore;

namespace {

// Root element of the custom-light default files.
const char *const kDefaultRoot = "customLight";

pugi::xml_node setNode(const pugi::xml_node &profile, const char *setIndex)
{
    return childWith(profile, kCustomLed, "index", setIndex);
}

// Runs change on the set node; false when the profile or the set does not exist.
template <typename Change>
bool changeSet(const char *call, const char *path, const char *profileIndex, const char *setIndex, Change change)
{
    if (!textsGiven(call, {setIndex}))
        return false;
    return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
        const pugi::xml_node set = setNode(profile, setIndex);
        if (!set) {
            logError(call, path, std::string("no custom-light set ") + setIndex);
            return false;
        }
        change(set);
        return true;
    });
}

} // namespace

bool CVorlanXML_AddProFileCustomLightNode(const char *path, const char *profileIndex, const char *setIndex,
                                          const char *name, const char *isUsing, int usingFlagIndex)
{
    static const char *const call = "CVorlanXML_AddProFileCustomLightNode";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {setIndex, name, isUsing}) || *setIndex == '\0')
            return false;
        return changeProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
            if (setNode(profile, setIndex)) {
                logError(call, path, std::string("custom-light set ") + setIndex + " exists already");
                return false;
            }
            pugi::xml_node set = profile.append_child(kCustomLed);
            set.append_attribute("index") = setIndex;
            set.append_attribute("name") = name;
            set.append_attribute("isUsing") = isUsing;
            set.append_attribute("usingFlagIndex") = usingFlagIndex;
            return true;
        });
    });
}

bool CVorlanXML_AddProFileCustomLightDataInfo(const char *path, const char *profileIndex, const char *setIndex,
                                              CustomLightItemStu item)
{
    static const char *const call = "CVorlanXML_AddProFileCustomLightDataInfo";
    return guarded(call, false, [&] {
        return changeSet(call, path, profileIndex, setIndex,
                         [&](pugi::xml_node set) { writeItem(set.append_child(kItem), item); });
    });
}

bool CVorlanXML_ClearProFileCustomLightNode(const char *path, const char *profileIndex, const char *setIndex)
{
    static const char *const call = "CVorlanXML_ClearProFileCustomLightNode";
    return guarded(call, false, [&] {
        return changeSet(call, path, profileIndex, setIndex, [](pugi::xml_node set) {
            while (const pugi::xml_node item = set.child(kItem))
                set.remove_child(item);
        });
    });
}

bool CVorlanXML_ModifyProFileCustomLightNodeName(const char *path, const char *profileIndex, const char *setIndex,
                                                 const char *name)
{
    static const char *const call = "CVorlanXML_ModifyProFileCustomLightNodeName";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {name}))
            return false;
        return changeSet(call, path, profileIndex, setIndex,
                         [&](pugi::xml_node set) { setAttribute(set, "name", name); });
    });
}

bool CVorlanXML_ModifyProFileCustomLightNodeUsingStatus(const char *path, const char *profileIndex,
                                                        const char *setIndex, const char *isUsing, int usingFlagIndex)
{
    static const char *const call = "CVorlanXML_ModifyProFileCustomLightNodeUsingStatus";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {isUsing}))
            return false;
        return changeSet(call, path, profileIndex, setIndex, [&](pugi::xml_node set) {
            setAttribute(set, "isUsing", isUsing);
            setAttribute(set, "usingFlagIndex", usingFlagIndex);
        });
    });
}

namespace {

// Appends the items of the set; false when there is no such set.
bool selectItems(const pugi::xml_node &parent, const char *setIndex, std::list<CustomLightItemStu> *items)
{
    const pugi::xml_node set = setNode(parent, setIndex);
    for (const pugi::xml_node item : set.children(kItem))
        items->push_back(readItem(item));
    return bool(set);
}

} // namespace

bool CVorlanXML_ProFileCustomLightInfoSelectAll(const char *path, const char *profileIndex, const char *setIndex,
                                                std::list<CustomLightItemStu> *items)
{
    static const char *const call = "CVorlanXML_ProFileCustomLightInfoSelectAll";
    return guarded(call, false, [&] {
        return textsGiven(call, {setIndex}) && items != nullptr
               && readProfile(call, path, profileIndex,
                              [&](pugi::xml_node profile) { return selectItems(profile, setIndex, items); });
    });
}

bool CVorlanXML_SelectProFileCustomLightAllNodes(const char *path, const char *profileIndex,
                                                 std::list<CustomLightNodeStu> *nodes)
{
    static const char *const call = "CVorlanXML_SelectProFileCustomLightAllNodes";
    return guarded(call, false, [&] {
        return nodes != nullptr && readProfile(call, path, profileIndex, [&](pugi::xml_node profile) {
                   for (const pugi::xml_node set : profile.children(kCustomLed)) {
                       CustomLightNodeStu node{};
                       copyField(node.index, sizeof(node.index), set.attribute("index").value());
                       copyField(node.name, sizeof(node.name), set.attribute("name").value());
                       copyField(node.isUsing, sizeof(node.isUsing), set.attribute("isUsing").value());
                       node.usingFlagIndex = parseInt(set.attribute("usingFlagIndex").value(), -1);
                       nodes->push_back(node);
                   }
                   return bool(profile);
               });
    });
}

bool CVorlanXML_XmlCustomLightInfoSelectAll(const char *path, const char *setIndex,
                                            std::list<CustomLightItemStu> *items)
{
    static const char *const call = "CVorlanXML_XmlCustomLightInfoSelectAll";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {setIndex}) || items == nullptr)
            return false;
        return XmlStore::instance().read(call, path, kDefaultRoot, [&](const pugi::xml_document &document) {
            return selectItems(document.document_element(), setIndex, items);
        });
    });
}
