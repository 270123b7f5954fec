#include "ui/firmware/FirmwareImageChecker.h"

#include "sdk/protocol/FirmwareImageFormat.h"
#include "sdk/protocol/ModelCatalog.h"
#include "ui/firmware/ExtractedFirmwareImage.h"
#include "ui/firmware/FirmwareImageRules.h"

#include <QDebug>
#include <QFile>

#include <new>
#include <vector>

namespace {
QString imageName(FirmwareImageKind kind, const QString &model, bool receiver)
{
    return QString::fromStdString(ModelCatalog::firmwareImageName(kind, model.toStdString(), receiver));
}
} // namespace

FirmwareImageChecker::FirmwareImageChecker(UfwLibraryCalls calls, QString imageFolder)
    : m_calls(calls)
    , m_imageFolder(imageFolder.isEmpty() ? QString(ModelCatalog::firmwareImageFolder) : imageFolder)
{
}

bool FirmwareImageChecker::checkFirmwareImage(const hidStructInfoAll &device, QString *version) const
{
    const std::string model = FirmwareImageRules::deviceText(device.hidName).toStdString();
    const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(model);
    if (!row)
        return false;
    const bool receiver = device.usbOrDongle != 0;
    // An absent entry point is never called: such models are not offered.
    if (row->kind == FirmwareImageKind::ImageUfw && !m_calls.canReadImage())
        return false;

    const ExtractedFirmwareImage image(m_imageFolder, imageName(row->kind, QString::fromStdString(model), receiver));
    if (image.path().isEmpty())
        return false;
    if (row->kind == FirmwareImageKind::ImageUfw) {
        QByteArray product;
        QByteArray imageVersion;
        if (!loadUfw(image.path(), &product, &imageVersion))
            return false;
        QByteArray accepted;
        if (!FirmwareImageRules::acceptsUfwIdentity(product, imageVersion, device, &accepted))
            return false;
        *version = QString::fromLatin1(accepted);
        return true;
    }
    return checkBin(image.path(), device, row->kind == FirmwareImageKind::ImageBin512K, version);
}

bool FirmwareImageChecker::checkBin(const QString &file, const hidStructInfoAll &device, bool largeLayout,
                                    QString *version) const
{
    const BinImageLayout *layout =
        BinImageLayout::forKind(largeLayout ? FirmwareImageKind::ImageBin512K : FirmwareImageKind::ImageBin256K);
    QFile image(file);
    if (!image.open(QIODevice::ReadOnly)) {
        qDebug() << (largeLayout ? "Open hex file error 02" : "Open hex file error 02A");
        return false;
    }
    QByteArray window(static_cast<int>(layout->readWindow), '\0');
    const qint64 read = image.read(window.data(), window.size());
    image.close();
    if (read < 0)
        return false;

    const QList<QByteArray> fields = FirmwareImageRules::identityFields(
        FirmwareImageRules::identityText(window, static_cast<int>(layout->identityOffset)));
    QByteArray accepted;
    if (!FirmwareImageRules::acceptsBinIdentity(fields, device, &accepted))
        return false;
    *version = QString::fromLatin1(accepted);
    return true;
}

bool FirmwareImageChecker::loadUfw(const QString &file, QByteArray *product, QByteArray *version) const
{
    QFile image(file);
    if (!image.open(QIODevice::ReadOnly)) {
        qDebug() << "Open hex file error 01";
        return false;
    }
    std::vector<unsigned char> data;
    try {
        data.resize(static_cast<size_t>(image.size()));
    } catch (const std::bad_alloc &) {
        qDebug() << "---------------- *** File error 01 JL *** ---------------";
        return false;
    }
    const qint64 read = image.read(reinterpret_cast<char *>(data.data()), static_cast<qint64>(data.size()));
    image.close();
    if (read != static_cast<qint64>(data.size())) {
        qDebug() << "---------------- *** File error 01 JL *** ---------------";
        return false;
    }

    if (m_calls.loadUfwData(data.data(), static_cast<int>(data.size())) != 0) {
        qDebug() << "---------------- *** File error 02 JL *** ---------------";
        return false;
    }
    unsigned short crc16 = 0;
    unsigned int crc32 = 0;
    if (m_calls.getUfwCrc(&crc16, &crc32) != 0) {
        qDebug() << "---------------- *** File error 03 JL *** ---------------";
        return false;
    }
    char productText[17] = {};
    char versionText[4] = {};
    if (m_calls.getUfwPidVid(productText, sizeof(productText), versionText, sizeof(versionText)) != 0) {
        qDebug() << "---------------- *** File error 04 JL *** ---------------";
        return false;
    }
    productText[sizeof(productText) - 1] = '\0';
    *product = QByteArray(productText);
    *version = QByteArray(versionText, sizeof(versionText));
    return true;
}

bool FirmwareImageChecker::loadUfwImage(const QString &model, bool receiver) const
{
    const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(model.toStdString());
    if (!row || row->kind != FirmwareImageKind::ImageUfw || !m_calls.canReadImage())
        return false;
    const ExtractedFirmwareImage image(m_imageFolder, imageName(row->kind, model, receiver));
    QByteArray product;
    QByteArray version;
    return !image.path().isEmpty() && loadUfw(image.path(), &product, &version) && product == model.toLatin1();
}
