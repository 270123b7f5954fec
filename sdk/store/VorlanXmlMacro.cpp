// The macro file: macros and their events.

#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlNodes.h"
#include "sdk/store/XmlStore.h"

#include <cstring>
#include <string>

using namespace xmlstore;

namespace {

pugi::xml_node macroNode(const pugi::xml_document &document, const char *macroIndex)
{
    return childWith(document.document_element(), kMacro, "index", macroIndex);
}

// Runs change on the macro node; false when the macro does not exist or change refuses.
template <typename Change>
bool changeMacro(const char *call, const char *path, const char *macroIndex, Change change)
{
    if (!textsGiven(call, {macroIndex}))
        return false;
    return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
        const pugi::xml_node macro = macroNode(document, macroIndex);
        if (!macro) {
            logError(call, path, std::string("no macro ") + macroIndex);
            return false;
        }
        return change(macro);
    });
}

// The event of that mark and direction (0 "down", 1 "up").
pugi::xml_node eventNode(const pugi::xml_node &macro, const char *mark, int which)
{
    const char *direction = which == 0 ? "down" : "up";
    for (pugi::xml_node event = macro.child(kEvent); event; event = event.next_sibling(kEvent)) {
        if (std::strcmp(event.attribute("mark").value(), mark) == 0
            && std::strcmp(event.attribute("operateExplain").value(), direction) == 0)
            return event;
    }
    return {};
}

} // namespace

bool CVorlanXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex, const char *name)
{
    static const char *const call = "CVorlanXML_CreateMacroXmlParentNode";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {macroIndex, name}) || *macroIndex == '\0')
            return false;
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            if (macroNode(document, macroIndex)) {
                logError(call, path, std::string("macro ") + macroIndex + " exists already");
                return false;
            }
            pugi::xml_node macro = document.document_element().append_child(kMacro);
            macro.append_attribute("index") = macroIndex;
            macro.append_attribute("name") = name;
            return true;
        });
    });
}

bool CVorlanXML_DeleteMacroNode(const char *path, const char *macroIndex)
{
    static const char *const call = "CVorlanXML_DeleteMacroNode";
    return guarded(call, false, [&] {
        return changeMacro(call, path, macroIndex,
                           [](pugi::xml_node macro) { return macro.parent().remove_child(macro); });
    });
}

bool CVorlanXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name)
{
    static const char *const call = "CVorlanXML_ModifyMacroNodeName";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {name}))
            return false;
        return changeMacro(call, path, macroIndex, [&](pugi::xml_node macro) {
            setAttribute(macro, "name", name);
            return true;
        });
    });
}

bool CVorlanXML_SelectMacroAllNodes(const char *path, MacroNode *nodes)
{
    static const char *const call = "CVorlanXML_SelectMacroAllNodes";
    return guarded(call, false, [&] {
        if (nodes == nullptr)
            return false;
        return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            for (const pugi::xml_node macro : document.document_element().children(kMacro))
                nodes->emplace_back(macro.attribute("index").value(), macro.attribute("name").value());
            return true;
        });
    });
}

bool CVorlanXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex, std::list<MacroEvent> *events)
{
    static const char *const call = "CVorlanXML_SelectAllKeyOrMouseEvent";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {macroIndex}) || events == nullptr)
            return false;
        return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            const pugi::xml_node macro = macroNode(document, macroIndex);
            for (const pugi::xml_node event : macro.children(kEvent))
                events->push_back(readEvent(event));
            return bool(macro);
        });
    });
}

bool CVorlanXML_AddKeyOrMouseEventItem(const char *path, std::list<MacroEvent> events, const char *macroIndex)
{
    static const char *const call = "CVorlanXML_AddKeyOrMouseEventItem";
    return guarded(call, false, [&] {
        return changeMacro(call, path, macroIndex, [&](pugi::xml_node macro) {
            appendEvents(macro, events);
            return true;
        });
    });
}

bool CVorlanXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark)
{
    static const char *const call = "CVorlanXML_DeleteEventItem";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {mark}))
            return false;
        return changeMacro(call, path, macroIndex, [&](pugi::xml_node macro) {
            bool removed = false;
            for (pugi::xml_node event = macro.child(kEvent); event;) {
                const pugi::xml_node next = event.next_sibling(kEvent);
                if (std::strcmp(event.attribute("mark").value(), mark) == 0)
                    removed = macro.remove_child(event) || removed;
                event = next;
            }
            return removed;
        });
    });
}

bool CVorlanXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark, int which, MacroEvent event)
{
    static const char *const call = "CVorlanXML_UpdateEventItem";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {mark}) || (which != 0 && which != 1))
            return false;
        return changeMacro(call, path, macroIndex, [&](pugi::xml_node macro) {
            const pugi::xml_node old = eventNode(macro, mark, which);
            if (!old)
                return false;
            writeEvent(macro.insert_child_before(kEvent, old), event);
            macro.remove_child(old);
            return true;
        });
    });
}

bool CVorlanXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex, const char *mark, int up,
                                              int which)
{
    static const char *const call = "CVorlanXML_MacroEventItemUpOrDownOperate";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {mark}) || (which != 0 && which != 1))
            return false;
        return changeMacro(call, path, macroIndex, [&](pugi::xml_node macro) {
            const pugi::xml_node event = eventNode(macro, mark, which);
            const pugi::xml_node neighbour = up ? event.previous_sibling(kEvent) : event.next_sibling(kEvent);
            if (!event || !neighbour)
                return false;
            return bool(up ? macro.insert_move_before(event, neighbour) : macro.insert_move_after(event, neighbour));
        });
    });
}
