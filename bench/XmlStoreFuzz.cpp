// libFuzzer target: whatever bytes a store file holds, loading it through the store's calls must
// neither crash nor change the file.

#include "sdk/store/VorlanXml.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {

std::string fuzzPath()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/xmlstore-fuzz-XXXXXX";
        const char *folder = ::mkdtemp(pattern);
        return std::string(folder ? folder : "/tmp") + "/store.xml";
    }();
    return path;
}

std::string readBack(const std::string &path)
{
    std::string content;
    if (FILE *file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            content.append(buffer, got);
        std::fclose(file);
    }
    return content;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = fuzzPath();
    const std::string input(reinterpret_cast<const char *>(data), size);
    if (FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(input.data(), 1, input.size(), file);
        std::fclose(file);
    }
    const char *p = path.c_str();

    ProfileNodeList profiles;
    CVorlanXML_SelectProFileAllNodes(p, &profiles);
    CVorlanXML_GetCreateXMLFileProfileIndex(p);
    for (const auto &profile : profiles) {
        const char *index = profile.first.c_str();
        std::list<std::string> keys;
        CVorlanXML_ProFileKeyInfoSelectAll(p, index, &keys);
        for (const std::string &key : keys) {
            KeyOperateInfo info;
            std::memset(&info, 0, sizeof(info));
            CVorlanXML_SelectProFileKeyOperateInfo(p, index, key.c_str(), &info);
            if (strnlen(info.value, sizeof(info.value)) == sizeof(info.value))
                std::abort();
        }
        ProfileNodeInfo node;
        CVorlanXML_SelectProfileNodeInfo(p, index, &node);
        colorInfoData light;
        CVorlanXML_SelectProfileColorDataInfo(p, index, 0, 2, &light);
        CVorlanXML_SelectProFileMouseLightTypeUsingIndex(p, index, 0);
        std::list<CustomLightNodeStu> sets;
        CVorlanXML_SelectProFileCustomLightAllNodes(p, index, &sets);
        for (const CustomLightNodeStu &set : sets) {
            std::list<CustomLightItemStu> items;
            CVorlanXML_ProFileCustomLightInfoSelectAll(p, index, set.index, &items);
        }
        std::list<MacroEvent> events;
        CVorlanXML_ProFileMacroWithKeyInfoSelectAll(p, index, "1", "", &events);
        int times[2] = {0, 0};
        CVorlanXML_GetProFileIntoSleepTimeInfo(p, index, times);
        ProFileFunctionInfo locks;
        CVorlanXML_GetProFileFunctionInfo(p, index, &locks);
    }
    MacroNode macros;
    CVorlanXML_SelectMacroAllNodes(p, &macros);
    for (const auto &macro : macros) {
        std::list<MacroEvent> events;
        CVorlanXML_SelectAllKeyOrMouseEvent(p, macro.first.c_str(), &events);
    }
    std::list<SeniorKeyInfoStu> seniorKeys;
    CVorlanXML_SeniorKey_SelectAllInfoItem(p, &seniorKeys);
    std::list<CustomLightItemStu> defaults;
    CVorlanXML_XmlCustomLightInfoSelectAll(p, "0", &defaults);

    // Reads never write.
    if (readBack(path) != input)
        std::abort();
    return 0;
}
