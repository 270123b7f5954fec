#pragma once

#include <QByteArray>
#include <QString>

// Paths of layer files as the profile calls take them: local 8-bit text of at most 255 bytes.
class ProfilePath
{
public:
    static constexpr int kMaxBytes = 255;

    // The local 8-bit path, or an empty text (logged) when it does not fit: a cut path would name
    // another file.
    static QByteArray encode(const QString &path);

    // The layer file of the same folder: Default for layer 0, FN for any other layer. Empty when
    // there is no current file, or (logged) when the result does not fit.
    static QByteArray layerFilePath(const QByteArray &currentPath, int layer);
};
