#include "tests/ui/firmware/FirmwareFixtures.h"

#include "sdk/protocol/FirmwareImageFormat.h"

#include <QFile>

#include <cstring>

namespace FirmwareFixtures {

QByteArray binImage(bool largeLayout, const QByteArray &identity, int size)
{
    const BinImageLayout *layout =
        BinImageLayout::forKind(largeLayout ? FirmwareImageKind::ImageBin512K : FirmwareImageKind::ImageBin256K);
    const int offset = static_cast<int>(layout->identityOffset);
    QByteArray image(size > 0 ? size : offset + 64, '\x5a');
    if (offset + BinImageLayout::identitySize <= static_cast<size_t>(image.size())) {
        image.replace(offset, BinImageLayout::identitySize, QByteArray(BinImageLayout::identitySize, '\0'));
        image.replace(offset, identity.size(), identity);
    }
    return image;
}

QByteArray ufwImage(const QByteArray &product, const QByteArray &version)
{
    const std::vector<uint8_t> payload(300, 0x33);
    const std::vector<uint8_t> image = UfwHeader::build(product.toStdString(), version.toStdString(), payload);
    return QByteArray(reinterpret_cast<const char *>(image.data()), static_cast<int>(image.size()));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

hidStructInfoAll device(const QString &path, const QString &model, const QString &version, int usbOrDongle)
{
    hidStructInfoAll info;
    std::memset(&info, 0, sizeof(info));
    qstrncpy(info.hidPath, path.toLatin1().constData(), sizeof(info.hidPath));
    qstrncpy(info.hidName, model.toLatin1().constData(), sizeof(info.hidName));
    qstrncpy(info.productName, "Vorlan", sizeof(info.productName));
    qstrncpy(info.deviceName, model.toLatin1().constData(), sizeof(info.deviceName));
    qstrncpy(info.firmwareVersion, version.toLatin1().constData(), sizeof(info.firmwareVersion));
    qstrncpy(info.firmwareChip, "CHIPA", sizeof(info.firmwareChip));
    qstrncpy(info.firmwareField1, "01", sizeof(info.firmwareField1));
    qstrncpy(info.firmwareVendorCode, "VL", sizeof(info.firmwareVendorCode));
    info.usbOrDongle = usbOrDongle;
    return info;
}

QString text(const char *field)
{
    return QString::fromLatin1(field);
}

} // namespace FirmwareFixtures
