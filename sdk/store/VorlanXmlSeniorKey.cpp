// The advanced-key file.

#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlNodes.h"
#include "sdk/store/XmlStore.h"

#include <string>

using namespace xmlstore;

namespace {

void writeSeniorKey(pugi::xml_node node, const SeniorKeyInfoStu &record)
{
    node.remove_attributes();
    node.append_attribute("id") = record.id;
    node.append_attribute("name") = fieldText(record.name, sizeof(record.name)).c_str();
    node.append_attribute("type") = record.type;
    node.append_attribute("key1") = fieldText(record.key1, sizeof(record.key1)).c_str();
    node.append_attribute("key2") = fieldText(record.key2, sizeof(record.key2)).c_str();
    node.append_attribute("key3") = fieldText(record.key3, sizeof(record.key3)).c_str();
    node.append_attribute("key4") = fieldText(record.key4, sizeof(record.key4)).c_str();
    node.append_attribute("dks") = joinIntList(record.dks, 16).c_str();
    node.append_attribute("travel") = joinIntList(record.travel, 4).c_str();
    node.append_attribute("holdMs") = record.holdMs;
    node.append_attribute("tglSet") = record.tglSet;
}

SeniorKeyInfoStu readSeniorKey(const pugi::xml_node &node)
{
    SeniorKeyInfoStu record{};
    record.id = parseInt(node.attribute("id").value(), 0);
    copyField(record.name, sizeof(record.name), node.attribute("name").value());
    record.type = parseInt(node.attribute("type").value(), 0);
    copyField(record.key1, sizeof(record.key1), node.attribute("key1").value());
    copyField(record.key2, sizeof(record.key2), node.attribute("key2").value());
    copyField(record.key3, sizeof(record.key3), node.attribute("key3").value());
    copyField(record.key4, sizeof(record.key4), node.attribute("key4").value());
    parseIntList(node.attribute("dks").value(), record.dks, 16);
    parseIntList(node.attribute("travel").value(), record.travel, 4);
    record.holdMs = parseInt(node.attribute("holdMs").value(), 0);
    record.tglSet = parseInt(node.attribute("tglSet").value(), 0);
    return record;
}

pugi::xml_node seniorKeyNode(const pugi::xml_document &document, int id)
{
    return childWithInt(document.document_element().child(kSeniorKeys), kSeniorKey, "id", id);
}

} // namespace

bool CVorlanXML_SeniorKey_CreateXMLFile(const char *path)
{
    static const char *const call = "CVorlanXML_SeniorKey_CreateXMLFile";
    return guarded(call, false, [&] { return XmlStore::instance().create(call, path); });
}

bool CVorlanXML_SeniorKey_CreateProFileXmlParentNode(const char *path)
{
    static const char *const call = "CVorlanXML_SeniorKey_CreateProFileXmlParentNode";
    return guarded(call, false, [&] {
        return XmlStore::instance().change(call, path, [](pugi::xml_document &document) {
            pugi::xml_node root = document.document_element();
            if (!root.child(kSeniorKeys))
                root.append_child(kSeniorKeys);
            return true;
        });
    });
}

bool CVorlanXML_SeniorKey_SelectAllInfoItem(const char *path, std::list<SeniorKeyInfoStu> *items)
{
    static const char *const call = "CVorlanXML_SeniorKey_SelectAllInfoItem";
    return guarded(call, false, [&] {
        if (items == nullptr)
            return false;
        return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            for (const pugi::xml_node key : document.document_element().child(kSeniorKeys).children(kSeniorKey))
                items->push_back(readSeniorKey(key));
            return true;
        });
    });
}

// The type argument is not needed: every caller passes the record's own type, and the id alone
// names a record.
bool CVorlanXML_SeniorKey_AddInfoItem(const char *path, int, SeniorKeyInfoStu record)
{
    static const char *const call = "CVorlanXML_SeniorKey_AddInfoItem";
    return guarded(call, false, [&] {
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            if (seniorKeyNode(document, record.id)) {
                logError(call, path, "advanced key " + std::to_string(record.id) + " exists already");
                return false;
            }
            pugi::xml_node root = document.document_element();
            pugi::xml_node keys = root.child(kSeniorKeys);
            if (!keys)
                keys = root.append_child(kSeniorKeys);
            writeSeniorKey(keys.append_child(kSeniorKey), record);
            return true;
        });
    });
}

bool CVorlanXML_SeniorKey_ModifyInfoItem(const char *path, int, SeniorKeyInfoStu record)
{
    static const char *const call = "CVorlanXML_SeniorKey_ModifyInfoItem";
    return guarded(call, false, [&] {
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            const pugi::xml_node key = seniorKeyNode(document, record.id);
            if (!key) {
                logError(call, path, "no advanced key " + std::to_string(record.id));
                return false;
            }
            writeSeniorKey(key, record);
            return true;
        });
    });
}

bool CVorlanXML_SeniorKey_DeleteInfoItem(const char *path, int, int id)
{
    static const char *const call = "CVorlanXML_SeniorKey_DeleteInfoItem";
    return guarded(call, false, [&] {
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            const pugi::xml_node key = seniorKeyNode(document, id);
            if (!key) {
                logError(call, path, "no advanced key " + std::to_string(id));
                return false;
            }
            return key.parent().remove_child(key);
        });
    });
}
