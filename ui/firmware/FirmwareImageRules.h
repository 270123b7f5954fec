#pragma once

#include "device/hidStructInfoAll.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The rules of the firmware image check and of the upgrade driver's log texts, without I/O.
namespace FirmwareImageRules {

constexpr int identitySize = 50;
constexpr int identityFieldCount = 6;

// Texts compared with only the letters A to Z folded, byte by byte as unsigned values; a proper
// beginning of the other text is the smaller. Negative, 0 or positive.
int compareText(const QByteArray &first, const QByteArray &second);

// The identity text at offset of a read window: up to its NUL within 50 bytes, empty when the
// window ends before the offset.
QByteArray identityText(const QByteArray &window, int offset);
// The six comma-separated fields; missing ones are empty.
QList<QByteArray> identityFields(const QByteArray &identity);

// A device text field, up to its NUL.
QByteArray deviceText(const char *field, int size);
template <int N>
QByteArray deviceText(const char (&field)[N])
{
    return deviceText(field, N);
}

// Chip, field 1, vendor code and model equal, version newer; the version on success.
bool acceptsBinIdentity(const QList<QByteArray> &fields, const hidStructInfoAll &device, QByteArray *version);
// The product must equal the model exactly; the version (4 bytes, or up to a NUL) must be newer.
bool acceptsUfwIdentity(const QByteArray &product, const QByteArray &version, const hidStructInfoAll &device,
                        QByteArray *acceptedVersion);

// The version as the record's 64-byte field holds it: Latin-1, cut to 63 bytes, NUL-terminated.
void storeNewVersion(hidStructInfoAll *device, const QString &version);

// "Error -N" for the codes the upgrade library names, "Error -1" for any other.
QString jlErrorText(int code, bool upgradeCall);

} // namespace FirmwareImageRules
