// libFuzzer target: a profile file to import may hold anything. Importing it into a sound profile
// file either fails or adds exactly one profile; the target file stays loadable either way.

#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileRules.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

struct Files
{
    std::string target;
    std::string imported;
};

const Files &files()
{
    static const Files paths = [] {
        char pattern[] = "/tmp/profile-import-fuzz-XXXXXX";
        const char *folder = ::mkdtemp(pattern);
        if (!folder)
            std::abort();
        return Files{std::string(folder) + "/profile.xml", std::string(folder) + "/import.xml"};
    }();
    return paths;
}

ProfileNodeList profilesOf(const std::string &path)
{
    ProfileNodeList profiles;
    CVorlanXML_SelectProFileAllNodes(path.c_str(), &profiles);
    return profiles;
}

// A fresh target with two profiles, as a new keyboard's file has after one user profile.
void resetTarget(const std::string &path)
{
    ::unlink(path.c_str());
    if (!CVorlanXML_CreateXMLFile(path.c_str())
        || !CVorlanXML_CreateProFileXmlParentNode(path.c_str(), "1", "Profile 1", 0)
        || !CVorlanXML_CreateProFileXmlParentNode(path.c_str(), "2", "Profile 2", 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Files &paths = files();
    resetTarget(paths.target);
    if (FILE *file = std::fopen(paths.imported.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }

    const size_t before = profilesOf(paths.target).size();
    const std::string index = ProfileRules::importProfileIndex(profilesOf(paths.imported)).toStdString();
    const bool imported = CVorlanXML_ProFileImport(paths.target.c_str(), paths.imported.c_str(), index.c_str());
    const size_t after = profilesOf(paths.target).size();
    if (after != before + (imported ? 1 : 0))
        std::abort();
    return 0;
}
