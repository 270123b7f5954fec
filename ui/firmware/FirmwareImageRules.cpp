#include "ui/firmware/FirmwareImageRules.h"

#include <algorithm>
#include <cstring>

namespace FirmwareImageRules {

namespace {
unsigned char folded(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}
} // namespace

int compareText(const QByteArray &first, const QByteArray &second)
{
    const int common = std::min(first.size(), second.size());
    for (int i = 0; i < common; ++i) {
        const unsigned char a = folded(first.at(i));
        const unsigned char b = folded(second.at(i));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (first.size() == second.size())
        return 0;
    return first.size() < second.size() ? -1 : 1;
}

QByteArray identityText(const QByteArray &window, int offset)
{
    if (offset < 0 || offset >= window.size())
        return QByteArray();
    const QByteArray block = window.mid(offset, identitySize);
    const int end = block.indexOf('\0');
    return end < 0 ? block : block.left(end);
}

QList<QByteArray> identityFields(const QByteArray &identity)
{
    QList<QByteArray> fields = identity.split(',');
    while (fields.size() < identityFieldCount)
        fields.append(QByteArray());
    return fields.mid(0, identityFieldCount);
}

QByteArray deviceText(const char *field, int size)
{
    const void *end = std::memchr(field, '\0', static_cast<size_t>(size));
    return QByteArray(field, end ? static_cast<int>(static_cast<const char *>(end) - field) : size);
}

bool acceptsBinIdentity(const QList<QByteArray> &fields, const hidStructInfoAll &device, QByteArray *version)
{
    QList<QByteArray> f = fields;
    while (f.size() < identityFieldCount)
        f.append(QByteArray());
    if (compareText(f[0], deviceText(device.firmwareChip)) != 0)
        return false;
    if (compareText(f[1], deviceText(device.firmwareField1)) != 0)
        return false;
    if (compareText(f[3], deviceText(device.firmwareVendorCode)) != 0)
        return false;
    if (compareText(f[4], deviceText(device.hidName)) != 0)
        return false;
    if (compareText(f[5], deviceText(device.firmwareVersion)) <= 0)
        return false;
    *version = f[5];
    return true;
}

bool acceptsUfwIdentity(const QByteArray &product, const QByteArray &version, const hidStructInfoAll &device,
                        QByteArray *acceptedVersion)
{
    const QByteArray productText = deviceText(product.constData(), product.size());
    if (productText != deviceText(device.hidName))
        return false;
    const QByteArray versionText = deviceText(version.constData(), std::min(version.size(), 4));
    if (compareText(versionText, deviceText(device.firmwareVersion)) <= 0)
        return false;
    *acceptedVersion = versionText;
    return true;
}

void storeNewVersion(hidStructInfoAll *device, const QString &version)
{
    const QByteArray latin1 = version.toLatin1();
    const int length = std::min(latin1.size(), static_cast<int>(sizeof(device->newFirmwareVersion)) - 1);
    std::memset(device->newFirmwareVersion, 0, sizeof(device->newFirmwareVersion));
    std::memcpy(device->newFirmwareVersion, latin1.constData(), static_cast<size_t>(length));
}

QString jlErrorText(int code, bool upgradeCall)
{
    static const int named[] = {-3, -5, -6, -9, -18, -20, -21, -22, -23, -24, -25, -26};
    const bool known =
        std::find(std::begin(named), std::end(named), code) != std::end(named) || (upgradeCall && code == -10);
    return QString("Error %1").arg(known ? code : -1);
}

} // namespace FirmwareImageRules
