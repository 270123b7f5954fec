#pragma once

#include "device/hidStructInfoAll.h"

#include <QByteArray>
#include <QString>

// Firmware images and device records for the upgrade tests.
namespace FirmwareFixtures {

// A ".bin" image of the model's layout whose identity block holds the text; size 0 makes the
// image end just past the block.
QByteArray binImage(bool largeLayout, const QByteArray &identity, int size = 0);
QByteArray ufwImage(const QByteArray &product, const QByteArray &version);
bool writeFile(const QString &path, const QByteArray &bytes);

// A keyboard with the identity CHIPA,01,KB,VL,<model>,<version>.
hidStructInfoAll device(const QString &path, const QString &model, const QString &version, int usbOrDongle = 0);

QString text(const char *field);

} // namespace FirmwareFixtures
