#include "ui/firmware/ExtractedFirmwareImage.h"

#include <QFile>
#include <QFileInfo>

ExtractedFirmwareImage::ExtractedFirmwareImage(const QString &folder, const QString &name)
{
    if (!m_dir.isValid())
        return;
    const QString copy = m_dir.path() + "/" + name;
    QFile::copy(folder + name, copy);
    if (QFileInfo(copy).isFile())
        m_path = copy;
}
