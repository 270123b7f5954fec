#pragma once

#include <QString>
#include <QTemporaryDir>

// A built-in image copied into a temporary folder of its own; the folder and the copy are removed
// when this goes away, whatever the outcome of its use.
class ExtractedFirmwareImage
{
public:
    ExtractedFirmwareImage(const QString &folder, const QString &name);

    // Empty when the image is missing or could not be copied.
    QString path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};
