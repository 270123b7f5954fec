// Figures of the XML store:
//  - a cached key lookup in a file of 10 full profiles (target: median under 20 us);
//  - a new profile with its default lights and custom lights (target: under 10 ms), in a file of nine
//    full profiles and as the first profile of a new file, call by call (each call a write) beside
//    one batch (one write per file), as the program does it;
//  - a remap's delete and add, call by call beside one batch;
//  - 1000 single-item adds into a file of 10 full profiles, each written at once (target: under 1 s).
// Run: XmlStoreBench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "sdk/store/VorlanXml.h"
#include "sdk/store/XmlFields.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

struct BenchFolder
{
    std::string path;
    BenchFolder()
    {
        char pattern[] = "/tmp/xmlstore-bench-XXXXXX";
        const char *made = ::mkdtemp(pattern);
        path = made ? made : "/tmp";
    }
    ~BenchFolder()
    {
        const std::string command = "rm -rf '" + path + "'";
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", path.c_str());
    }
};

BenchFolder &folder()
{
    static BenchFolder instance;
    return instance;
}

std::string filePath(const char *name)
{
    return folder().path + "/" + name;
}

colorInfoData defaultLight(int area)
{
    return colorInfoData{area, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
}

// The generic custom-light default file: 34 keys in set 0, 8 in set 1, sets 2 to 4 empty.
std::string writeDefaultFile()
{
    const std::string path = filePath("customLightDefaultConfig.xml");
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<customLight>\n";
    const int counts[] = {34, 8, 0, 0, 0};
    for (int set = 0; set < 5; ++set) {
        text += " <customLed index=\"" + std::to_string(set) + "\" name=\"Custom " + std::to_string(set)
                + "\" isUsing=\"" + (set < 2 ? "Using" : "UnUsing") + "\" usingFlagIndex=\""
                + std::to_string(set < 2 ? set : -1) + "\">\n";
        for (int key = 0; key < counts[set]; ++key)
            text += "  <item keyCode=\"" + std::to_string(4 + key) + "\" codeName=\"K" + std::to_string(key)
                    + "\" indexX=\"" + std::to_string(2 + key / 12) + "\" indexY=\"" + std::to_string(1 + key % 12)
                    + "\" colorR=\"" + (set ? "255" : "0") + "\" colorG=\"0\" colorB=\"" + (set ? "0" : "255")
                    + "\" transparentNum=\"128\"/>\n";
        text += " </customLed>\n";
    }
    text += "</customLight>\n";
    FILE *file = std::fopen(path.c_str(), "w");
    if (file) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}

// Default lights and custom lights of a profile, one SDK call each, as the device page writes them.
void addProfileDefaults(const char *path, const char *profile, const std::string &defaults)
{
    for (int area = 0; area < 3; ++area)
        CVorlanXML_AddProFileLightInfoItem(path, profile, defaultLight(area));
    const char *const names[] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
    for (int set = 0; set < 5; ++set) {
        const std::string index = std::to_string(set);
        CVorlanXML_AddProFileCustomLightNode(path, profile, index.c_str(), names[set], set < 2 ? "Using" : "UnUsing",
                                             set < 2 ? set : -1);
        if (set >= 2)
            continue;
        std::list<CustomLightItemStu> items;
        CVorlanXML_XmlCustomLightInfoSelectAll(defaults.c_str(), index.c_str(), &items);
        for (const CustomLightItemStu &item : items)
            CVorlanXML_AddProFileCustomLightDataInfo(path, profile, index.c_str(), item);
    }
}

// A profile file of ten profiles, each with its defaults, 132 key entries and a bound macro.
std::string fullProfileFile(const char *name)
{
    const std::string path = filePath(name);
    const std::string defaults = writeDefaultFile();
    ::unlink(path.c_str());
    CVorlanXML_CreateXMLFile(path.c_str());
    for (int profile = 1; profile <= 10; ++profile) {
        const std::string index = std::to_string(profile);
        CVorlanXML_CreateProFileXmlParentNode(path.c_str(), index.c_str(), ("Profile" + index).c_str(), 0);
        addProfileDefaults(path.c_str(), index.c_str(), defaults);
        for (int key = 0; key < 132; ++key) {
            const std::string code = std::to_string(4 + key);
            CVorlanXML_AddProFileMacroWithKeyInfoItem(path.c_str(), index.c_str(), code.c_str(), "Key", "3", "1", "1",
                                                      std::to_string(key % 16).c_str());
        }
        std::list<MacroEvent> events;
        for (int event = 0; event < 20; ++event) {
            MacroEvent record{};
            xmlstore::copyField(record.mark, sizeof(record.mark), std::to_string(event / 2).c_str());
            xmlstore::copyField(record.delay, sizeof(record.delay), "35");
            xmlstore::copyField(record.type, sizeof(record.type), "key");
            xmlstore::copyField(record.keyCode, sizeof(record.keyCode), "4");
            xmlstore::copyField(record.codeName, sizeof(record.codeName), "A");
            xmlstore::copyField(record.operateExplain, sizeof(record.operateExplain), event % 2 ? "up" : "down");
            events.push_back(record);
        }
        CVorlanXML_AddProFileBindMacroItem(path.c_str(), index.c_str(), events, "1", "Macro1");
    }
    return path;
}

void BM_SelectKeyOperateInfo(benchmark::State &state)
{
    const std::string path = fullProfileFile("lookup.xml");
    int call = 0;
    for (auto _ : state) {
        KeyOperateInfo info;
        const std::string profile = std::to_string(1 + call % 10);
        const std::string key = std::to_string(4 + (call * 37) % 132);
        std::snprintf(info.keyIndex, sizeof(info.keyIndex), "-1");
        benchmark::DoNotOptimize(
            CVorlanXML_SelectProFileKeyOperateInfo(path.c_str(), profile.c_str(), key.c_str(), &info));
        ++call;
    }
}
BENCHMARK(BM_SelectKeyOperateInfo)->Unit(benchmark::kMicrosecond);

// Arg 0: every call writes the file; arg 1: one batch.
std::unique_ptr<VorlanXmlBatch> batchIf(const benchmark::State &state)
{
    return state.range(0) ? std::make_unique<VorlanXmlBatch>() : nullptr;
}

void commit(std::unique_ptr<VorlanXmlBatch> &batch)
{
    if (batch && !batch->commit())
        std::fprintf(stderr, "batch not written\n");
}

void BM_NewProfileWithDefaults(benchmark::State &state)
{
    const std::string path = fullProfileFile("defaults.xml");
    const std::string defaults = filePath("customLightDefaultConfig.xml");
    CVorlanXML_DeleteProFileSelectedNode(path.c_str(), "10");
    for (auto _ : state) {
        // A profile created and filled with its defaults in a file holding nine full profiles.
        auto batch = batchIf(state);
        CVorlanXML_CreateProFileXmlParentNode(path.c_str(), "10", "Profile10", 0);
        addProfileDefaults(path.c_str(), "10", defaults);
        commit(batch);
        state.PauseTiming();
        CVorlanXML_DeleteProFileSelectedNode(path.c_str(), "10");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewProfileWithDefaults)->ArgName("batch")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FirstProfileOfNewFile(benchmark::State &state)
{
    const std::string path = filePath("first.xml");
    const std::string defaults = writeDefaultFile();
    for (auto _ : state) {
        // A layer file's first profile, as a keyboard's first connection creates it.
        state.PauseTiming();
        ::unlink(path.c_str());
        state.ResumeTiming();
        auto batch = batchIf(state);
        CVorlanXML_CreateXMLFile(path.c_str());
        CVorlanXML_CreateProFileXmlParentNode(path.c_str(), "1", "Profile1", 0);
        CVorlanXML_ModifyXMLFileProfileIndex(path.c_str(), 1);
        addProfileDefaults(path.c_str(), "1", defaults);
        commit(batch);
    }
}
BENCHMARK(BM_FirstProfileOfNewFile)->ArgName("batch")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RemapDeleteThenAdd(benchmark::State &state)
{
    const std::string path = fullProfileFile("remap.xml");
    int call = 0;
    for (auto _ : state) {
        const std::string key = std::to_string(4 + call++ % 132);
        auto batch = batchIf(state);
        CVorlanXML_DeleteProFileMacroWithKeyInfoItem(path.c_str(), "5", key.c_str(), "Key");
        CVorlanXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "5", key.c_str(), "Key", "3", "1", "1", "7");
        commit(batch);
    }
}
BENCHMARK(BM_RemapDeleteThenAdd)->ArgName("batch")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ThousandSingleAdds(benchmark::State &state)
{
    const std::string path = fullProfileFile("stress.xml");
    long round = 0;
    for (auto _ : state) {
        for (int call = 0; call < 1000; ++call) {
            const std::string profile = std::to_string(1 + call % 10);
            const std::string key = std::to_string(4 + call % 132);
            const std::string value = std::to_string(round * 1000 + call);
            CVorlanXML_AddProFileMacroWithKeyInfoItem(path.c_str(), profile.c_str(), key.c_str(), "Key", "0", "1", "1",
                                                      value.c_str());
        }
        ++round;
    }
}
BENCHMARK(BM_ThousandSingleAdds)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
