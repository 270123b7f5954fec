#pragma once

#include <QString>

struct ThemeColorInfo;

// The themed style sheets that several key-function pages share.
namespace KeyPageSheets {

// Border, background and text in the theme; the border and, pressed, the text in the checked colour.
QString button(const ThemeColorInfo &theme);
// A text box (QTextEdit) in the theme's field colours.
QString textBox(const ThemeColorInfo &theme);
// A drop-down list with the theme's field colours and the given selection colour ("r, g, b").
QString comboBox(const ThemeColorInfo &theme, const QString &selectionColour);
// Thin scroll bars: vertical only, or vertical and horizontal.
QString scrollBars(const ThemeColorInfo &theme, bool withHorizontal);

} // namespace KeyPageSheets
