// fwimage: writes the built-in firmware images and their resource file, prints an image's identity,
// and writes test fixtures.
#include "tools/fwimage/FirmwareImageBuilder.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool writeFile(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

int usage()
{
    std::fprintf(stderr, "usage: fwimage --out <folder> | --dump <file> | --fixture <name> <file>\nfixtures:");
    for (const std::string &name : FirmwareImageBuilder::fixtureNames())
        std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
}

int writeBuiltInSet(const std::string &folder)
{
    std::vector<FirmwareImageBuilder::Image> images;
    std::string error;
    if (!FirmwareImageBuilder::buildBuiltInSet(&images, &error)) {
        std::fprintf(stderr, "fwimage: %s\n", error.c_str());
        return 1;
    }
    std::string qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/images/UpdateFirmwareFile\">\n";
    for (const FirmwareImageBuilder::Image &image : images) {
        if (!writeFile(folder + "/" + image.fileName, image.bytes)) {
            std::fprintf(stderr, "fwimage: cannot write %s/%s\n", folder.c_str(), image.fileName.c_str());
            return 1;
        }
        qrc += "    <file>" + image.fileName + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    if (!writeFile(folder + "/firmwareImages.qrc", std::vector<uint8_t>(qrc.begin(), qrc.end()))) {
        std::fprintf(stderr, "fwimage: cannot write the resource file in %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string option = argc > 1 ? argv[1] : "";
    if (option == "--out" && argc == 3)
        return writeBuiltInSet(argv[2]);
    if (option == "--dump" && argc == 3) {
        std::ifstream file(argv[2], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "fwimage: cannot read %s\n", argv[2]);
            return 1;
        }
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::printf("%s\n", FirmwareImageBuilder::describe(bytes).c_str());
        return 0;
    }
    if (option == "--fixture" && argc == 4) {
        std::vector<uint8_t> bytes;
        std::string error;
        if (!FirmwareImageBuilder::buildFixture(argv[2], &bytes, &error)) {
            std::fprintf(stderr, "fwimage: %s\n", error.c_str());
            return 1;
        }
        if (!writeFile(argv[3], bytes)) {
            std::fprintf(stderr, "fwimage: cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    return usage();
}
