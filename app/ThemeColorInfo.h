#pragma once

#include <QString>

#include <array>

// The colour theme: 40 colours as "r,g,b" or "r,g,b,a" (ready for rgb(%1) / rgba(%1)) and the
// font family, each field named after its key in the group "ThemeColor" of a theme file.
struct ThemeColorInfo
{
    QString TextDefaultColor;
    QString TextHoverColor;
    QString TextCheckedColor;
    QString AllBgColor;
    QString AllThemeColor;
    QString AllScrollBgColor;
    QString AllScrollBarColorDef;
    QString AllScrollBarColorHover;
    QString MainWidgetBgColor;
    QString MainWidgetBorderColor;
    QString MainWidgetTitleColorStart;
    QString MainWidgetTitleColorStop;
    QString DeviceBorderColor;
    QString DeviceLeftBgColor;
    QString DeviceRightBgColor;
    QString DeviceListAreaDefaultBgColor;
    QString DeviceSoftkeyboardButColor;
    QString DeviceSoftkeyboardButDefaultTextColor;
    QString DeviceSliderHorizontalVerticalColor;
    QString DeviceSliderEllipseColor;
    QString MacroBorderColor;
    QString MacroLeftBgColor;
    QString MacroCenterBgColor;
    QString MacroRightBgColor;
    QString MacroListItemTextColor;
    QString MacroListItemSelectedColor;
    QString MacroListItemHoverColor;
    QString SettingsTitleColorStart;
    QString SettingsTitleColorStop;
    QString SettingsBgColor;
    QString SettingsBorderColor;
    QString SettingsControlBorderColor;
    QString SettingsControlDefaultColor;
    QString SettingsControlHoverBgColor;
    QString SettingsControlSelectedBgColor;
    QString UpgradeBgColor;
    QString UpgradeBorderColor;
    QString UpgradeItemBorderColor;
    QString UpgradeProgressBarTopColor;
    QString UpgradeProgressBarBottomColor;
    QString TextFont;
};

struct ThemeColorField
{
    const char *key;
    QString ThemeColorInfo::*member;
};

// The 40 colour keys in record order (TextFont is not a colour and not listed).
const std::array<ThemeColorField, 40> &themeColorFields();

// Dots become commas; without background images an alpha (a fourth number) is dropped.
QString normalizeThemeColor(const QString &fileValue, bool bgImageUsing);

// Reads a theme file (ini, codec "UTF_8"); a missing file or key leaves the field empty.
ThemeColorInfo readThemeColorInfo(const QString &filePath, bool bgImageUsing);
