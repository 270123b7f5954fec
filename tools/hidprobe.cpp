// hidprobe: opens a keyboard through the device SDK and prints every report written and read.
//   hidprobe --list                 lists the paths of connected supported keyboards
//   hidprobe PATH [SECONDS]         asks for the serial number, then sends a handshake each second
//                                   (as the program does) for SECONDS (default 5)

#include "sdk/hid/VorlanHidSdk.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

void printReport(const char *direction, const unsigned char *report, Clock::time_point start)
{
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    std::printf("%s %02x [%6lld ms]", direction, report[1], ms);
    for (int i = 0; i < 64; ++i)
        std::printf(" %02x", report[i]);
    if (report[1] == 0x15 && direction[0] == 'R') {
        char serial[33] = {};
        std::memcpy(serial, report + 6, 32);
        std::printf("  serial \"%s\"", serial);
    }
    std::printf("\n");
    std::fflush(stdout);
}

int usage()
{
    std::fprintf(stderr, "usage: hidprobe --list | hidprobe PATH [SECONDS]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || CVorlanHid_Init() != 0)
        return usage();
    if (std::strcmp(argv[1], "--list") == 0) {
        std::list<std::string> paths;
        CVorlanHid_GetHidInfoList(&paths);
        for (const std::string &path : paths)
            std::printf("%s\n", path.c_str());
        return 0;
    }
    const char *path = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 5.0;
    if (seconds <= 0)
        return usage();

    const intptr_t handle = CVorlanHid_OpenPath(path);
    if (!handle) {
        std::fprintf(stderr, "hidprobe: cannot open %s\n", path);
        return 1;
    }
    CVorlanHid_SetNonblocking(handle, 1);
    HighPrecisionTimerStu timer{};
    CVorlanHid_highPrecisionTimerInit(&timer);
    CVorlanHid_highPrecisionTimerStart(timer);

    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    Clock::time_point nextHandshake = start + std::chrono::seconds(1);
    unsigned char report[64] = {0, 0x14};
    CVorlanHid_HidWriteBuff(handle, report, path);
    printReport("TX", report, start);

    int status = 0;
    while (Clock::now() < end) {
        const int length = CVorlanHid_HidReadBuff(handle, report);
        if (length > 0) {
            printReport("RX", report, start);
        } else if (length < 0) {
            std::fprintf(stderr, "hidprobe: the device is gone\n");
            status = 1;
            break;
        }
        if (Clock::now() >= nextHandshake) {
            unsigned char handshake[64] = {0, 0x00, 0, 0, 0, 1};
            CVorlanHid_HidWriteBuff(handle, handshake, path);
            printReport("TX", handshake, start);
            nextHandshake += std::chrono::seconds(1);
        }
        CVorlanHid_highPrecisionTimerRuning(100, timer);
    }
    CVorlanHid_highPrecisionTimerStop(timer);
    CVorlanHid_Close(handle);
    return status;
}
