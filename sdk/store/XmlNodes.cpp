#include "sdk/store/XmlNodes.h"

#include "sdk/store/XmlFields.h"

#include <cstring>

namespace xmlstore {

const char *const kProfile = "profile";
const char *const kKey = "key";
const char *const kLight = "light";
const char *const kLightUsing = "lightUsing";
const char *const kBoundMacro = "boundMacro";
const char *const kCustomLed = "customLed";
const char *const kItem = "item";
const char *const kMacro = "macro";
const char *const kEvent = "event";
const char *const kSeniorKeys = "seniorKeys";
const char *const kSeniorKey = "seniorKey";

bool textsGiven(const char *call, std::initializer_list<const char *> texts)
{
    for (const char *text : texts) {
        if (text == nullptr) {
            logError(call, nullptr, "a text argument is missing");
            return false;
        }
    }
    return true;
}

pugi::xml_node childWith(pugi::xml_node parent, const char *element, const char *attribute, const char *value)
{
    for (pugi::xml_node child = parent.child(element); child; child = child.next_sibling(element)) {
        if (std::strcmp(child.attribute(attribute).value(), value) == 0)
            return child;
    }
    return {};
}

pugi::xml_node childWithInt(pugi::xml_node parent, const char *element, const char *attribute, int value)
{
    return childWith(parent, element, attribute, std::to_string(value).c_str());
}

void setAttribute(pugi::xml_node node, const char *name, const char *value)
{
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    attribute.set_value(value);
}

void setAttribute(pugi::xml_node node, const char *name, int value)
{
    setAttribute(node, name, std::to_string(value).c_str());
}

pugi::xml_node profileNode(const pugi::xml_document &document, const char *profileIndex)
{
    return childWith(document.document_element(), kProfile, "index", profileIndex);
}

bool changeProfile(const char *call, const char *path, const char *profileIndex,
                   const std::function<bool(pugi::xml_node)> &change)
{
    if (!textsGiven(call, {profileIndex}))
        return false;
    return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
        const pugi::xml_node profile = profileNode(document, profileIndex);
        if (!profile) {
            logError(call, path, std::string("no profile ") + profileIndex);
            return false;
        }
        return change(profile);
    });
}

bool readProfile(const char *call, const char *path, const char *profileIndex,
                 const std::function<bool(pugi::xml_node)> &read)
{
    if (!textsGiven(call, {profileIndex}))
        return false;
    return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
        return read(profileNode(document, profileIndex));
    });
}

void writeEvent(pugi::xml_node node, const MacroEvent &event)
{
    node.append_attribute("mark") = fieldText(event.mark, sizeof(event.mark)).c_str();
    node.append_attribute("delay") = fieldText(event.delay, sizeof(event.delay)).c_str();
    node.append_attribute("type") = fieldText(event.type, sizeof(event.type)).c_str();
    node.append_attribute("keyCode") = fieldText(event.keyCode, sizeof(event.keyCode)).c_str();
    node.append_attribute("codeName") = fieldText(event.codeName, sizeof(event.codeName)).c_str();
    node.append_attribute("operateExplain") = fieldText(event.operateExplain, sizeof(event.operateExplain)).c_str();
}

MacroEvent readEvent(pugi::xml_node node)
{
    MacroEvent event{};
    copyField(event.mark, sizeof(event.mark), node.attribute("mark").value());
    copyField(event.delay, sizeof(event.delay), node.attribute("delay").value());
    copyField(event.type, sizeof(event.type), node.attribute("type").value());
    copyField(event.keyCode, sizeof(event.keyCode), node.attribute("keyCode").value());
    copyField(event.codeName, sizeof(event.codeName), node.attribute("codeName").value());
    copyField(event.operateExplain, sizeof(event.operateExplain), node.attribute("operateExplain").value());
    return event;
}

void appendEvents(pugi::xml_node parent, const std::list<MacroEvent> &events)
{
    for (const MacroEvent &event : events)
        writeEvent(parent.append_child(kEvent), event);
}

void writeItem(pugi::xml_node node, const CustomLightItemStu &item)
{
    node.append_attribute("keyCode") = fieldText(item.keyCode, sizeof(item.keyCode)).c_str();
    node.append_attribute("codeName") = fieldText(item.codeName, sizeof(item.codeName)).c_str();
    node.append_attribute("indexX") = item.indexX;
    node.append_attribute("indexY") = item.indexY;
    node.append_attribute("colorR") = item.colorR;
    node.append_attribute("colorG") = item.colorG;
    node.append_attribute("colorB") = item.colorB;
    node.append_attribute("transparentNum") = item.transparentNum;
}

CustomLightItemStu readItem(pugi::xml_node node)
{
    CustomLightItemStu item{};
    copyField(item.keyCode, sizeof(item.keyCode), node.attribute("keyCode").value());
    copyField(item.codeName, sizeof(item.codeName), node.attribute("codeName").value());
    item.indexX = parseInt(node.attribute("indexX").value(), 0);
    item.indexY = parseInt(node.attribute("indexY").value(), 0);
    item.colorR = parseInt(node.attribute("colorR").value(), 0);
    item.colorG = parseInt(node.attribute("colorG").value(), 0);
    item.colorB = parseInt(node.attribute("colorB").value(), 0);
    item.transparentNum = parseInt(node.attribute("transparentNum").value(), 0);
    return item;
}

} // namespace xmlstore
