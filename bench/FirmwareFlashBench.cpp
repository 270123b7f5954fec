// FirmwareFlashBench [runs]: flashes every built-in image into a simulated keyboard of its model,
// through the SDK (".bin") or the upgrade library (".ufw"), with no added delay and with 1 ms per
// acknowledgement. Times the transfer from the first report to the END reply: median and range.

#include "resources/FirmwareImageResources.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sim/SimServer.h"
#include "upgradelib/JlUpgradeApi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

QString mode(SimServer &server, int id)
{
    const std::string answer = server.execute("dump " + std::to_string(id));
    return QJsonDocument::fromJson(QByteArray::fromStdString(answer.substr(3))).object().value("mode").toString();
}

bool waitForMode(SimServer &server, int id, const QString &wanted)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (mode(server, id) == wanted)
            return true;
        QThread::msleep(2);
    }
    return false;
}

std::string bootloaderPath(const FirmwareImageRow &row)
{
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    for (const std::string &path : paths) {
        HidDevicePath parsed;
        if (HidDevicePath::parse(path, &parsed) && parsed.vid == row.bootloaderVid && parsed.pid == row.bootloaderPid)
            return path;
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    initFirmwareImageResources();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir temp;
    const std::string folder = (temp.path() + "/sim").toStdString();
    qputenv("VORLAN_SIM_DIR", QByteArray::fromStdString(folder));
    SimServer server(folder);
    std::string error;
    if (!server.start(&error) || CVorlanHid_Init() != 0) {
        std::fprintf(stderr, "cannot start: %s\n", error.c_str());
        return 1;
    }
    std::thread loop([&] { server.run(); });
    QLibrary library(QCoreApplication::applicationDirPath() + "/jl_firmware_upgrade_x86");
    const auto load = reinterpret_cast<JL_loadUfwDataFn>(library.resolve("JL_loadUfwData"));
    const auto upgrade = reinterpret_cast<JL_upgradeDeviceFn>(library.resolve("JL_upgradeDevice"));
    if (!load || !upgrade) {
        std::fprintf(stderr, "no upgrade library: %s\n", qPrintable(library.errorString()));
        server.stop();
        loop.join();
        return 1;
    }

    std::printf("%-24s %8s %10s %26s\n", "image", "bytes", "ack delay", "median ms (min..max)");
    const QStringList images = QDir(ModelCatalog::firmwareImageFolder).entryList(QDir::Files, QDir::Name);
    for (const QString &name : images) {
        const QString base = name.section('.', 0, 0);
        const bool receiver = base.endsWith("_Dongle");
        const std::string model = (receiver ? base.chopped(7) : base).toStdString();
        const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(model);
        if (!row || !ModelCatalog::findByName(model))
            continue; // an image no keyboard takes
        const QString file = temp.filePath(name);
        QFile::copy(ModelCatalog::firmwareImageFolder + name, file);
        QFile reader(file);
        reader.open(QIODevice::ReadOnly);
        const QByteArray bytes = reader.readAll();
        for (int delay : {0, 1}) {
            std::vector<double> times;
            for (int run = 0; run < runs; ++run) {
                const int id = server.plug(model, "", receiver, nullptr);
                const std::string ids = std::to_string(id);
                for (const std::string &line :
                     std::vector<std::string>{"delay leave 0", "delay arrive 0", "delay endleave 0", "delay return 0",
                                              "ackdelay " + std::to_string(delay)})
                    server.execute("upgrade " + ids + " " + line);
                const std::string path = server.devicePath(id);
                const intptr_t keyboard = CVorlanHid_OpenPath(path.c_str());
                const unsigned char enter[64] = {1, 0x0A};
                CVorlanHid_HidWriteBuff(keyboard, enter, path.c_str());
                CVorlanHid_Close(keyboard);
                const bool ufw = row->kind == FirmwareImageKind::ImageUfw;
                if (!waitForMode(server, id, ufw ? "drive" : "bootloader")) {
                    std::fprintf(stderr, "%s: no upgrade mode\n", qPrintable(name));
                    break;
                }
                QElapsedTimer timer;
                int result = -1;
                if (ufw) {
                    load(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
                    timer.start();
                    result = upgrade('E', 1, 1, nullptr);
                } else {
                    const intptr_t handle = CVorlanHid_OpenPath(bootloaderPath(*row).c_str());
                    timer.start();
                    result = CVorlanHid_FirmwareUpgrade(handle, file.toLocal8Bit().constData(), 262144, 0,
                                                        receiver ? 1 : 0, nullptr);
                    CVorlanHid_Close(handle);
                }
                times.push_back(timer.nsecsElapsed() / 1e6);
                if (result != 0)
                    std::fprintf(stderr, "%s: result %d\n", qPrintable(name), result);
                waitForMode(server, id, "keyboard");
                server.unplug(id);
            }
            if (times.empty())
                continue;
            std::sort(times.begin(), times.end());
            std::printf("%-24s %8d %8d ms %12.0f (%.0f..%.0f)\n", qPrintable(name), bytes.size(), delay,
                        times[times.size() / 2], times.front(), times.back());
        }
    }
    server.stop();
    loop.join();
    return 0;
}
