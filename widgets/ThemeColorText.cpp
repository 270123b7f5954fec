#include "widgets/ThemeColorText.h"

#include <QStringList>

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
