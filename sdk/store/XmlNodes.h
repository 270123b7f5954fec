#pragma once

// Shared pieces of the store functions: the file layout's element lookups, record conversions and
// the guard that keeps every failure inside the SDK.

#include "sdk/store/VorlanXmlRecords.h"
#include "sdk/store/XmlStore.h"

#include <pugixml.hpp>

#include <exception>
#include <functional>
#include <initializer_list>

namespace xmlstore {

// Element names of the store layout.
extern const char *const kProfile;
extern const char *const kKey;
extern const char *const kLight;
extern const char *const kLightUsing;
extern const char *const kBoundMacro;
extern const char *const kCustomLed;
extern const char *const kItem;
extern const char *const kMacro;
extern const char *const kEvent;
extern const char *const kSeniorKeys;
extern const char *const kSeniorKey;

// True when no text is null; logs the call otherwise.
bool textsGiven(const char *call, std::initializer_list<const char *> texts);

// The first child element with that attribute value; empty when none.
pugi::xml_node childWith(pugi::xml_node parent, const char *element, const char *attribute, const char *value);
// The first child element whose int attribute equals value.
pugi::xml_node childWithInt(pugi::xml_node parent, const char *element, const char *attribute, int value);

// Sets the attribute, adding it when the node lacks it.
void setAttribute(pugi::xml_node node, const char *name, const char *value);
void setAttribute(pugi::xml_node node, const char *name, int value);

// The profile node of that index text in a profile file.
pugi::xml_node profileNode(const pugi::xml_document &document, const char *profileIndex);

// Runs change on the profile node of a profile file and writes the file when it returns true; false
// when the file or the profile cannot be had or change refuses (before touching the document).
bool changeProfile(const char *call, const char *path, const char *profileIndex,
                   const std::function<bool(pugi::xml_node)> &change);
// Runs read on the profile node (an empty node when the file has no such profile); false when the
// file cannot be read, else the result of read.
bool readProfile(const char *call, const char *path, const char *profileIndex,
                 const std::function<bool(pugi::xml_node)> &read);

void writeEvent(pugi::xml_node node, const MacroEvent &event);
MacroEvent readEvent(pugi::xml_node node);
// Appends an event element per event to parent.
void appendEvents(pugi::xml_node parent, const std::list<MacroEvent> &events);

void writeItem(pugi::xml_node node, const CustomLightItemStu &item);
CustomLightItemStu readItem(pugi::xml_node node);

// Runs body and turns an exception into the failure result.
template <typename Result, typename Body>
Result guarded(const char *call, Result failure, Body &&body)
{
    try {
        return body();
    } catch (const std::exception &error) {
        logError(call, nullptr, error.what());
    } catch (...) {
        logError(call, nullptr, "unexpected error");
    }
    return failure;
}

} // namespace xmlstore
