#pragma once

#include <QString>

// Style sheets the forms cannot state themselves because they are chosen at run time.
namespace FormParts {

// Normal picture, and the active one for hover and press (and checked, when checkable).
QString pictureSheet(const char *type, const QString &normal, const QString &active, bool checkable);

} // namespace FormParts
