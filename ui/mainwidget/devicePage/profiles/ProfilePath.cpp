#include "ui/mainwidget/devicePage/profiles/ProfilePath.h"

#include "ui/mainwidget/devicePage/profiles/ProfileFolder.h"

#include <QDebug>

QByteArray ProfilePath::encode(const QString &path)
{
    const QByteArray local = path.toLocal8Bit();
    if (local.size() > kMaxBytes || local.contains('\0')) {
        qDebug().noquote() << QStringLiteral("Profile path refused, longer than %1 bytes: %2").arg(kMaxBytes).arg(path);
        return QByteArray();
    }
    return local;
}

QByteArray ProfilePath::layerFilePath(const QByteArray &currentPath, int layer)
{
    // Without a current file there is no folder: the other layer's file is not guessed.
    const int slash = currentPath.lastIndexOf('/');
    if (slash < 0)
        return QByteArray();
    const QByteArray folder = currentPath.left(slash);
    const QString name = layer == 0 ? ProfileFolder::defaultFileName() : ProfileFolder::fnFileName();
    return encode(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name);
}
