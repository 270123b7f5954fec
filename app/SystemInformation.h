#pragma once

#include <QByteArray>
#include <QString>

// The start-up's system probes: version code, the system-information lines of the log and
// console output.
class SystemInformation
{
public:
    // The Windows version code; always 0 here (high-DPI scaling is then always enabled).
    static int getSystemVersion();

    // The six lines that open every run's log, written to the debug stream.
    static void logSystemInfo(const QString &userConfigDir);

    // printf to standard output; returns the number of characters written.
    static int printMessage(const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);

    // ---- Pure parts, from the text of /proc/cpuinfo and /proc/meminfo ----
    static QString cpuName(const QByteArray &cpuinfo);
    static QString memoryDescription(const QByteArray &meminfo);
    static QString bitness(const QString &cpuArchitecture);
};
