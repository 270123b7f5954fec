#include "app/StartupPaths.h"

#include "platform/PrivateRuntimeDir.h"

#include <QDir>
#include <QStandardPaths>

QString StartupPaths::appDataDir(const QString &baseName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" + baseName;
}

QString StartupPaths::logDir(const QString &baseName)
{
    return QDir::toNativeSeparators(appDataDir(baseName) + "/logDir");
}

QString StartupPaths::dumpDir(const QString &baseName)
{
    return QString("%1/dump").arg(appDataDir(baseName));
}

QString StartupPaths::perUserName(const QString &name)
{
    const QString runtime = PrivateRuntimeDir::path();
    if (runtime.isEmpty())
        return name;
    return runtime + "/" + name;
}
