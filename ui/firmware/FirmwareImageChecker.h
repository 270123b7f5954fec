#pragma once

#include "device/hidStructInfoAll.h"
#include "ui/firmware/UfwLibraryCalls.h"

#include <QString>

// Decides whether one connected keyboard can take its built-in firmware image: the model's row of
// the upgradable-model table picks the image, whose identity must match the keyboard's and whose
// version must be newer.
class FirmwareImageChecker
{
public:
    // imageFolder: where the images lie, ending in "/"; the program's resources by default.
    explicit FirmwareImageChecker(UfwLibraryCalls calls, QString imageFolder = QString());

    // True when the device is offered; version then holds the image's version text.
    bool checkFirmwareImage(const hidStructInfoAll &device, QString *version) const;
    // Loads the ".ufw" image of a model and connection into the upgrade library, so an upgrade
    // flashes that image; false when it is missing, does not load or names another product.
    bool loadUfwImage(const QString &model, bool receiver) const;

    QString imageFolder() const { return m_imageFolder; }

private:
    bool checkBin(const QString &file, const hidStructInfoAll &device, bool largeLayout, QString *version) const;
    // Loads the file into the library and reads its product and version.
    bool loadUfw(const QString &file, QByteArray *product, QByteArray *version) const;

    UfwLibraryCalls m_calls;
    QString m_imageFolder;
};
