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
    if (themeText.count(QLatin1Char(',')) == 3)
        return QStringLiteral("rgba(%1)").arg(themeText);
    return QStringLiteral("rgb(%1)").arg(themeText);
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
