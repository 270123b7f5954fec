#include "platform/HidrawPathCache.h"

#include "sdk/protocol/HidDevicePath.h"

#include <QStringList>

QString HidrawPathCache::arrive(const QString &devnode, const QString &hidId, int interfaceNumber)
{
    const QString path = devicePath(hidId, interfaceNumber, devnode);
    if (!path.isEmpty())
        m_paths.insert(devnode, path);
    return path;
}

QString HidrawPathCache::remove(const QString &devnode)
{
    return m_paths.take(devnode);
}

QString HidrawPathCache::devicePath(const QString &hidId, int interfaceNumber, const QString &devnode)
{
    const QStringList parts = hidId.split(QLatin1Char(':'));
    if (parts.size() != 3 || devnode.isEmpty())
        return QString();
    bool vidOk = false;
    bool pidOk = false;
    const uint vid = parts.at(1).toUInt(&vidOk, 16);
    const uint pid = parts.at(2).toUInt(&pidOk, 16);
    if (!vidOk || !pidOk || vid > 0xffff || pid > 0xffff)
        return QString();
    HidDevicePath path;
    path.vid = static_cast<uint16_t>(vid);
    path.pid = static_cast<uint16_t>(pid);
    path.interfaceNumber = interfaceNumber;
    path.backendPath = devnode.toStdString();
    return QString::fromStdString(path.toString());
}
