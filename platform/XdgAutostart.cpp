#include "platform/XdgAutostart.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace XdgAutostart {

QString entryPath(const QString &appName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart/" + appName
           + ".desktop";
}

QString entryText(const QString &appName, const QString &executablePath)
{
    // Exec quotes the path so that blanks in it survive; a quote or backslash inside is escaped.
    QString quoted = executablePath;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=%1\n"
                   "Exec=\"%2\" --AutoUp\n"
                   "X-GNOME-Autostart-enabled=true\n")
        .arg(appName, quoted);
}

bool writeEntry(const QString &appName, const QString &executablePath)
{
    const QString path = entryPath(appName);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qDebug() << "Autostart entry: cannot create folder" << QFileInfo(path).absolutePath();
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "Autostart entry: cannot write" << path << file.errorString();
        return false;
    }
    file.write(entryText(appName, executablePath).toUtf8());
    if (!file.commit()) {
        qDebug() << "Autostart entry: cannot write" << path << file.errorString();
        return false;
    }
    return true;
}

bool removeEntry(const QString &appName)
{
    const QString path = entryPath(appName);
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    qDebug() << "Autostart entry: cannot remove" << path << file.errorString();
    return false;
}

} // namespace XdgAutostart
