#include "widgets/ThemeColorText.h"

#include <QStringList>

#include <cmath>

QColor opaqueThemeColor(const QString &themeText)
{
    const QStringList parts = themeText.split(QLatin1Char(','));
    int rgb[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        rgb[i] = qBound(0, parts[i].trimmed().toInt(), 255);
    return QColor(rgb[0], rgb[1], rgb[2], 255);
}

QString themeCssColor(const QString &themeText)
{
    const QStringList parts = themeText.split(QLatin1Char(','));
    if (parts.size() != 4)
        return QStringLiteral("rgb(%1)").arg(themeText);
    // The style-sheet parser reads an alpha of 0 or 1 as a fraction (1 = opaque); the theme's alpha
    // counts to 255, so a nearly clear "1" is written as its fraction.
    const int alpha = parts[3].trimmed().toInt();
    if (alpha <= 1)
        return QStringLiteral("rgba(%1,%2,%3,%4)")
            .arg(parts[0], parts[1], parts[2], QString::number(qMax(alpha, 0) / 255.0, 'f', 4));
    return QStringLiteral("rgba(%1)").arg(themeText);
}

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextColor(const QColor &background)
{
    const QColor dark(20, 20, 20);
    const QColor light(255, 255, 255);
    return contrastRatio(background, dark) >= contrastRatio(background, light) ? dark : light;
}
