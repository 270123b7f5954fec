// fwflash: upgrades one keyboard: sends the enter-upgrade report, waits for its bootloader or drive,
// flashes the built-in image of its model (or a given file) and prints the firmware texts it
// returns with.
#include "resources/FirmwareImageResources.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/ModelCatalog.h"
#include "upgradelib/JlUpgradeApi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

constexpr int kWaitMs = 15000;

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return false;
}

std::list<std::string> paths()
{
    std::list<std::string> list;
    CVorlanHid_GetHidInfoList(&list);
    return list;
}

bool listed(const std::string &path)
{
    for (const std::string &candidate : paths()) {
        if (candidate == path)
            return true;
    }
    return false;
}

std::string findBootloader(const FirmwareImageRow &row)
{
    for (const std::string &path : paths()) {
        HidDevicePath parsed;
        if (HidDevicePath::parse(path, &parsed) && parsed.vid == row.bootloaderVid && parsed.pid == row.bootloaderPid)
            return path;
    }
    return {};
}

void printProgress(int total, int current)
{
    if (total > 0 && (current == total || current % 500 == 0))
        std::printf("  %d / %d packets\n", current, total);
}

void printPercent(int percent)
{
    if (percent % 10 == 0)
        std::printf("  %d %%\n", percent);
}

int usage()
{
    std::fprintf(stderr, "usage: fwflash [--dir SIMDIR] [--image FILE] <keyboard path>\n");
    return 2;
}

int flashBin(const FirmwareImageRow &row, const QString &image, bool receiver)
{
    std::string bootloader;
    if (!waitFor([&] { return !(bootloader = findBootloader(row)).empty(); }, kWaitMs)) {
        std::fprintf(stderr, "fwflash: no bootloader appeared\n");
        return 1;
    }
    std::printf("bootloader %s\n", bootloader.c_str());
    const intptr_t handle = CVorlanHid_OpenPath(bootloader.c_str());
    if (!handle) {
        std::fprintf(stderr, "fwflash: cannot open the bootloader\n");
        return 1;
    }
    const int result =
        CVorlanHid_FirmwareUpgrade(handle, image.toLocal8Bit().constData(), 262144, 0, receiver ? 1 : 0, printProgress);
    CVorlanHid_Close(handle);
    if (result != FirmwareUpgradeOk) {
        std::fprintf(stderr, "fwflash: flashing failed with %d\n", result);
        return 1;
    }
    return 0;
}

int flashUfw(const QByteArray &image)
{
    QLibrary library(QCoreApplication::applicationDirPath() + "/jl_firmware_upgrade_x86");
    const auto load = reinterpret_cast<JL_loadUfwDataFn>(library.resolve("JL_loadUfwData"));
    const auto query = reinterpret_cast<JL_queryDevicePidVidFn>(library.resolve("JL_queryDevicePidVid"));
    const auto upgrade = reinterpret_cast<JL_upgradeDeviceFn>(library.resolve("JL_upgradeDevice"));
    if (!load || !query || !upgrade) {
        std::fprintf(stderr, "fwflash: %s\n", qPrintable(library.errorString()));
        return 1;
    }
    const int loaded = load(reinterpret_cast<const unsigned char *>(image.constData()), image.size());
    if (loaded != JL_OK) {
        std::fprintf(stderr, "fwflash: the image does not load (%d)\n", loaded);
        return 1;
    }
    char letter = 0;
    waitFor(
        [&] {
            char product[16], version[8];
            for (char candidate = 'A'; candidate <= 'Z'; ++candidate) {
                if (query(candidate, product, 16, version, 8) == JL_OK) {
                    letter = candidate;
                    return true;
                }
            }
            return false;
        },
        kWaitMs);
    if (!letter) {
        std::fprintf(stderr, "fwflash: no upgrade drive appeared\n");
        return 1;
    }
    std::printf("drive %c:\n", letter);
    const int result = upgrade(letter, 1, 1, printPercent);
    if (result != JL_OK) {
        std::fprintf(stderr, "fwflash: flashing failed with %d\n", result);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    initFirmwareImageResources();
    QString imageFile;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--dir" && i + 1 < argc)
            qputenv("VORLAN_SIM_DIR", argv[++i]);
        else if (argument == "--image" && i + 1 < argc)
            imageFile = QString::fromLocal8Bit(argv[++i]);
        else if (path.empty() && argument.compare(0, 2, "--") != 0)
            path = argument;
        else
            return usage();
    }
    if (path.empty())
        return usage();
    if (CVorlanHid_Init() != 0) {
        std::fprintf(stderr, "fwflash: the SDK does not start\n");
        return 1;
    }

    hidStu hid;
    FirmwareInfoStu firmware;
    if (!CVorlanHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware)) {
        std::fprintf(stderr, "fwflash: no keyboard at %s\n", path.c_str());
        return 1;
    }
    const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(hid.hidName);
    if (!row) {
        std::fprintf(stderr, "fwflash: %s has no firmware upgrade\n", hid.hidName);
        return 1;
    }
    const bool receiver = hid.isDongle != 0;
    std::printf("%s%s, firmware %s\n", hid.hidName, receiver ? " behind its receiver" : "", firmware.version);

    // A built-in image is copied out of the resources: the SDK reads a file.
    QTemporaryDir temp;
    if (imageFile.isEmpty()) {
        const QString name = QString::fromStdString(ModelCatalog::firmwareImageName(row->kind, hid.hidName, receiver));
        imageFile = temp.filePath(name);
        if (!temp.isValid() || !QFile::copy(ModelCatalog::firmwareImageFolder + name, imageFile)) {
            std::fprintf(stderr, "fwflash: no built-in image %s\n", qPrintable(name));
            return 1;
        }
    }
    QFile file(imageFile);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fwflash: cannot read %s\n", qPrintable(imageFile));
        return 1;
    }
    const QByteArray image = file.readAll();
    std::printf("image %s, %d bytes\n", qPrintable(imageFile), image.size());

    const intptr_t keyboard = CVorlanHid_OpenPath(path.c_str());
    const unsigned char enter[64] = {1, 0x0A};
    if (!keyboard || CVorlanHid_HidWriteBuff(keyboard, enter, path.c_str()) != 64) {
        std::fprintf(stderr, "fwflash: cannot send the enter-upgrade report\n");
        CVorlanHid_Close(keyboard);
        return 1;
    }
    CVorlanHid_Close(keyboard);
    if (!waitFor([&] { return !listed(path); }, kWaitMs)) {
        std::fprintf(stderr, "fwflash: the keyboard did not leave for its upgrade\n");
        return 1;
    }

    const int flashed =
        row->kind == FirmwareImageKind::ImageUfw ? flashUfw(image) : flashBin(*row, imageFile, receiver);
    if (flashed != 0)
        return flashed;
    if (!waitFor([&] { return CVorlanHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware); }, kWaitMs * 2)) {
        std::fprintf(stderr, "fwflash: the keyboard did not come back\n");
        return 1;
    }
    std::printf("back: chip %s, number %s, class %s, vendor %s, model %s, version %s, extra %s\n", firmware.chip,
                firmware.numberField, firmware.deviceClass, firmware.vendorCode, firmware.model, firmware.version,
                firmware.extraText);
    return 0;
}
