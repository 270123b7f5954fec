#include "ui/seniorKeys/SeniorKeyText.h"

#include <QStringList>

namespace SeniorKeyText {

namespace {

const char *const kModifierNames[8] = {
    "L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN",
};

// Not a number counts as 0.
int number(const QString &text)
{
    return text.toInt();
}

} // namespace

QString readable(const QString &keyText, const QMap<int, QString> &captions)
{
    if (!keyText.contains(QLatin1Char(',')))
        return captions.value(number(keyText));

    const QStringList pieces = keyText.split(QLatin1Char(','));
    const int mask = number(pieces.at(0));
    const int code = number(pieces.at(1));
    QStringList parts;
    if (mask > 0) {
        for (int bit = 0; bit < 8; ++bit) {
            if (mask & (1 << bit))
                parts << QString::fromLatin1(kModifierNames[bit]);
        }
    }
    const auto caption = captions.constFind(code);
    if (caption != captions.constEnd())
        parts << caption.value();
    return parts.join(QLatin1Char('+'));
}

QString modifierName(int bit)
{
    return bit >= 0 && bit < 8 ? QString::fromLatin1(kModifierNames[bit]) : QString();
}

} // namespace SeniorKeyText
