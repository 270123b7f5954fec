#include "platform/PrivateRuntimeDir.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

bool PrivateRuntimeDir::ensurePrivate(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        qWarning() << "cannot create the runtime folder" << folder << ":" << std::strerror(errno);
        return false;
    }
    struct stat info
    {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        qWarning() << "refusing the runtime folder" << folder << ": not a folder";
        return false;
    }
    if (info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
        qWarning() << "refusing the runtime folder" << folder << ": another user owns it or may enter it";
        return false;
    }
    return true;
}

QString PrivateRuntimeDir::path()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString shared = QDir::tempPath() + "/vorlan-runtime-" + QString::number(::getuid());
    if (ensurePrivate(shared))
        return shared;
    // Someone else took the name in the shared folder: fall back to the user's own cache.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/vorlan-runtime";
    QDir().mkpath(QFileInfo(own).absolutePath());
    return ensurePrivate(own) ? own : QString();
}
