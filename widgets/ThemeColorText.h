#pragma once

#include <QColor>
#include <QString>

// Reads the leading "r,g,b" of a theme colour text as an opaque colour; missing or bad numbers
// count as 0, so an empty theme gives black rather than an invalid colour.
QColor opaqueThemeColor(const QString &themeText);

// Style-sheet colour for a theme text: rgba(...) when it carries an alpha, else rgb(...).
QString themeCssColor(const QString &themeText);

// Contrast ratio of two opaque colours (1 to 21), from their relative luminance.
double contrastRatio(const QColor &first, const QColor &second);

// Near-black or white, whichever reads better on the background.
QColor readableTextColor(const QColor &background);
