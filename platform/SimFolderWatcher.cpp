#include "platform/SimFolderWatcher.h"

#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/SimSocketName.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <algorithm>

#include <sys/stat.h>

namespace {

bool isSocket(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

QStringList sorted(const QSet<QString> &paths)
{
    QStringList list(paths.begin(), paths.end());
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

SimFolderWatcher::SimFolderWatcher(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(QDir::cleanPath(folder))
    , m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &SimFolderWatcher::onChanged);
    watchFolderOrParent();
    m_known = scan();
}

void SimFolderWatcher::onChanged()
{
    watchFolderOrParent();
    const QSet<QString> now = scan();
    const QSet<QString> gone = m_known - now;
    const QSet<QString> added = now - m_known;
    m_known = now;
    for (const QString &path : sorted(gone))
        emit deviceRemoved(path);
    for (const QString &path : sorted(added))
        emit deviceArrived(path);
}

void SimFolderWatcher::watchFolderOrParent()
{
    // Watch the folder itself when it exists, else its nearest existing ancestor, so that the
    // folder's creation (and a removal and re-creation) is noticed.
    QString target = m_folder;
    while (!QFileInfo(target).isDir()) {
        const QString parent = QFileInfo(target).path();
        if (parent == target)
            return;
        target = parent;
    }
    const QStringList watched = m_watcher->directories();
    if (watched.size() == 1 && watched.first() == target)
        return;
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    m_watcher->addPath(target);
}

QSet<QString> SimFolderWatcher::scan() const
{
    QSet<QString> paths;
    const QStringList names = QDir(m_folder).entryList(QDir::System | QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        HidDevicePath path;
        if (!SimSocketName::parse(name.toStdString(), &path.vid, &path.pid, &path.interfaceNumber))
            continue;
        const QString socketPath = m_folder + QLatin1Char('/') + name;
        if (!isSocket(socketPath))
            continue;
        path.backendPath = HidDevicePath::simPrefix + socketPath.toStdString();
        paths.insert(QString::fromStdString(path.toString()));
    }
    return paths;
}
