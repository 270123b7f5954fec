#pragma once

#include <QMap>
#include <QString>

namespace SeniorKeyText {

// The readable form of an advanced key's key text, with the captions of the all-keys picker:
// "4" gives the caption of code 4 (or "" when the map lacks it); "3,4" gives the names of the
// mask's bits 0 to 7, then the caption of code 4 when known, joined by "+" ("L_CTRL+L_SHIFT+A").
QString readable(const QString &keyText, const QMap<int, QString> &captions);

// Name of bit 0 to 7 of a combination's modifier mask ("L_CTRL" ... "R_WIN"); empty for others.
QString modifierName(int bit);

} // namespace SeniorKeyText
