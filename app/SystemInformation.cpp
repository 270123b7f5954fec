#include "app/SystemInformation.h"

#include <QDebug>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

#include <cstdarg>
#include <cstdio>

namespace {

QByteArray readProcFile(const char *path)
{
    // /proc files report size 0, so read to the end instead of by size.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The value of the first "key : value" line with this key; empty when there is none.
QByteArray fieldValue(const QByteArray &text, const QByteArray &key)
{
    for (const QByteArray &line : text.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon >= 0 && line.left(colon).trimmed() == key)
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

// "16318480 kB" as bytes; 0 when unreadable.
double kilobytesField(const QByteArray &meminfo, const QByteArray &key)
{
    const QByteArray value = fieldValue(meminfo, key);
    const QList<QByteArray> parts = value.split(' ');
    return parts.isEmpty() ? 0.0 : parts.first().toDouble() * 1024.0;
}

} // namespace

int SystemInformation::getSystemVersion()
{
    return 0;
}

void SystemInformation::logSystemInfo(const QString &userConfigDir)
{
    qDebug() << "------------------------- *** App Runing *** ------------------------------";
    qDebug() << "UserConfig FullPath:" << userConfigDir;
    qDebug() << "System Cpu:" << cpuName(readProcFile("/proc/cpuinfo"));
    qDebug() << "Memory Describe:" << memoryDescription(readProcFile("/proc/meminfo"));
    qDebug() << "System Version:" << QSysInfo::prettyProductName() + " " + bitness(QSysInfo::currentCpuArchitecture());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize();
    qDebug() << "Screen Size:" << size.width() << " * " << size.height();
}

int SystemInformation::printMessage(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vprintf(format, arguments);
    va_end(arguments);
    std::fflush(stdout);
    return written;
}

QString SystemInformation::cpuName(const QByteArray &cpuinfo)
{
    return QString::fromUtf8(fieldValue(cpuinfo, "model name"));
}

QString SystemInformation::memoryDescription(const QByteArray &meminfo)
{
    const double gib = 1024.0 * 1024.0 * 1024.0;
    return QString("freeMem %1 GB / totalMem %2 GB")
        .arg(kilobytesField(meminfo, "MemAvailable") / gib, 0, 'f', 2)
        .arg(kilobytesField(meminfo, "MemTotal") / gib, 0, 'f', 2);
}

QString SystemInformation::bitness(const QString &cpuArchitecture)
{
    // The word names the operating system's width, as the emulation probe did on Windows.
    return cpuArchitecture.contains("64") ? "64bit" : "32bit";
}
