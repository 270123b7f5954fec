// Profile nodes of a profile file, the file's current profile, export and import.

#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlFields.h"
#include "sdk/store/XmlNodes.h"
#include "sdk/store/XmlStore.h"

#include <string>

using namespace xmlstore;

bool CVorlanXML_CreateXMLFile(const char *path)
{
    static const char *const call = "CVorlanXML_CreateXMLFile";
    return guarded(call, false, [&] { return XmlStore::instance().create(call, path); });
}

bool CVorlanXML_CreateProFileXmlParentNode(const char *path, const char *profileIndex, const char *name, int)
{
    static const char *const call = "CVorlanXML_CreateProFileXmlParentNode";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex, name}) || *profileIndex == '\0')
            return false;
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            if (profileNode(document, profileIndex)) {
                logError(call, path, std::string("profile ") + profileIndex + " exists already");
                return false;
            }
            pugi::xml_node profile = document.document_element().append_child(kProfile);
            profile.append_attribute("index") = profileIndex;
            profile.append_attribute("name") = name;
            return true;
        });
    });
}

bool CVorlanXML_DeleteProFileSelectedNode(const char *path, const char *profileIndex)
{
    static const char *const call = "CVorlanXML_DeleteProFileSelectedNode";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex}))
            return false;
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            pugi::xml_node profile = profileNode(document, profileIndex);
            return profile && document.document_element().remove_child(profile);
        });
    });
}

bool CVorlanXML_IsExistenceSelectProfileNode(const char *path, const char *profileIndex)
{
    static const char *const call = "CVorlanXML_IsExistenceSelectProfileNode";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex}))
            return false;
        return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            return bool(profileNode(document, profileIndex));
        });
    });
}

bool CVorlanXML_SelectProfileNodeInfo(const char *path, const char *profileIndex, ProfileNodeInfo *info)
{
    static const char *const call = "CVorlanXML_SelectProfileNodeInfo";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex}) || info == nullptr)
            return false;
        return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            pugi::xml_node profile = profileNode(document, profileIndex);
            if (!profile)
                return false;
            copyField(info->index, sizeof(info->index), profile.attribute("index").value());
            copyField(info->name, sizeof(info->name), profile.attribute("name").value());
            return true;
        });
    });
}

bool CVorlanXML_ModifyProfileNodeInfo(const char *path, const char *profileIndex, const char *name)
{
    static const char *const call = "CVorlanXML_ModifyProfileNodeInfo";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex, name}))
            return false;
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            pugi::xml_node profile = profileNode(document, profileIndex);
            if (!profile)
                return false;
            setAttribute(profile, "name", name);
            return true;
        });
    });
}

bool CVorlanXML_ModifyXMLFileProfileIndex(const char *path, int profileIndex)
{
    static const char *const call = "CVorlanXML_ModifyXMLFileProfileIndex";
    return guarded(call, false, [&] {
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            setAttribute(document.document_element(), "currentProfile", profileIndex);
            return true;
        });
    });
}

int CVorlanXML_GetCreateXMLFileProfileIndex(const char *path)
{
    static const char *const call = "CVorlanXML_GetCreateXMLFileProfileIndex";
    return guarded(call, -1, [&] {
        int index = -1;
        XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            pugi::xml_node root = document.document_element();
            index = parseInt(root.attribute("currentProfile").value(), -1);
            if (index < 0)
                index = parseInt(root.child(kProfile).attribute("index").value(), -1);
            return true;
        });
        return index;
    });
}

bool CVorlanXML_SelectProFileAllNodes(const char *path, ProfileNodeList *nodes)
{
    static const char *const call = "CVorlanXML_SelectProFileAllNodes";
    return guarded(call, false, [&] {
        if (nodes == nullptr)
            return false;
        return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
            for (const pugi::xml_node profile : document.document_element().children(kProfile))
                nodes->emplace_back(profile.attribute("index").value(), profile.attribute("name").value());
            return true;
        });
    });
}

namespace {

// A copy of the profile node, or an empty document when the file or the profile cannot be read.
bool copyProfile(const char *call, const char *path, const char *profileIndex, pugi::xml_document *copy)
{
    return XmlStore::instance().read(call, path, kStoreRoot, [&](const pugi::xml_document &document) {
        pugi::xml_node profile = profileNode(document, profileIndex);
        if (!profile) {
            logError(call, path, std::string("no profile ") + profileIndex);
            return false;
        }
        copy->append_copy(profile);
        return true;
    });
}

} // namespace

bool CVorlanXML_ProFileExport(const char *path, const char *exportPath, const char *profileIndex, int)
{
    static const char *const call = "CVorlanXML_ProFileExport";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex}))
            return false;
        pugi::xml_document copy;
        if (!copyProfile(call, path, profileIndex, &copy))
            return false;
        if (!XmlStore::instance().create(call, exportPath))
            return false;
        return XmlStore::instance().change(call, exportPath, [&](pugi::xml_document &document) {
            pugi::xml_node root = document.document_element();
            const pugi::xml_node old = profileNode(document, profileIndex);
            if (old) {
                root.insert_copy_before(copy.first_child(), old);
                root.remove_child(old);
            } else {
                root.append_copy(copy.first_child());
            }
            return true;
        });
    });
}

bool CVorlanXML_ProFileImport(const char *path, const char *importPath, const char *profileIndex)
{
    static const char *const call = "CVorlanXML_ProFileImport";
    return guarded(call, false, [&] {
        if (!textsGiven(call, {profileIndex}))
            return false;
        pugi::xml_document copy;
        if (!copyProfile(call, importPath, profileIndex, &copy))
            return false;
        return XmlStore::instance().change(call, path, [&](pugi::xml_document &document) {
            // A fresh index keeps the indexes of one file unique, whatever the imported one was.
            pugi::xml_node root = document.document_element();
            int largest = 0;
            for (const pugi::xml_node profile : root.children(kProfile)) {
                const int index = parseInt(profile.attribute("index").value(), 0);
                if (index > largest)
                    largest = index;
            }
            if (largest == INT32_MAX)
                return false;
            const pugi::xml_node imported = root.append_copy(copy.first_child());
            setAttribute(imported, "index", largest + 1);
            return true;
        });
    });
}
