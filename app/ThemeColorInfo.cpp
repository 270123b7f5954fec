#include "app/ThemeColorInfo.h"

#include <QSettings>

#define THEME_FIELD(name)                                                                                              \
    ThemeColorField                                                                                                    \
    {                                                                                                                  \
#name, &ThemeColorInfo::name                                                                                   \
    }

const std::array<ThemeColorField, 40> &themeColorFields()
{
    // clang-format off
    static const std::array<ThemeColorField, 40> fields{{
        THEME_FIELD(TextDefaultColor),
        THEME_FIELD(TextHoverColor),
        THEME_FIELD(TextCheckedColor),
        THEME_FIELD(AllBgColor),
        THEME_FIELD(AllThemeColor),
        THEME_FIELD(AllScrollBgColor),
        THEME_FIELD(AllScrollBarColorDef),
        THEME_FIELD(AllScrollBarColorHover),
        THEME_FIELD(MainWidgetBgColor),
        THEME_FIELD(MainWidgetBorderColor),
        THEME_FIELD(MainWidgetTitleColorStart),
        THEME_FIELD(MainWidgetTitleColorStop),
        THEME_FIELD(DeviceBorderColor),
        THEME_FIELD(DeviceLeftBgColor),
        THEME_FIELD(DeviceRightBgColor),
        THEME_FIELD(DeviceListAreaDefaultBgColor),
        THEME_FIELD(DeviceSoftkeyboardButColor),
        THEME_FIELD(DeviceSoftkeyboardButDefaultTextColor),
        THEME_FIELD(DeviceSliderHorizontalVerticalColor),
        THEME_FIELD(DeviceSliderEllipseColor),
        THEME_FIELD(MacroBorderColor),
        THEME_FIELD(MacroLeftBgColor),
        THEME_FIELD(MacroCenterBgColor),
        THEME_FIELD(MacroRightBgColor),
        THEME_FIELD(MacroListItemTextColor),
        THEME_FIELD(MacroListItemSelectedColor),
        THEME_FIELD(MacroListItemHoverColor),
        THEME_FIELD(SettingsTitleColorStart),
        THEME_FIELD(SettingsTitleColorStop),
        THEME_FIELD(SettingsBgColor),
        THEME_FIELD(SettingsBorderColor),
        THEME_FIELD(SettingsControlBorderColor),
        THEME_FIELD(SettingsControlDefaultColor),
        THEME_FIELD(SettingsControlHoverBgColor),
        THEME_FIELD(SettingsControlSelectedBgColor),
        THEME_FIELD(UpgradeBgColor),
        THEME_FIELD(UpgradeBorderColor),
        THEME_FIELD(UpgradeItemBorderColor),
        THEME_FIELD(UpgradeProgressBarTopColor),
        THEME_FIELD(UpgradeProgressBarBottomColor),
    }};
    // clang-format on
    return fields;
}

#undef THEME_FIELD

QString normalizeThemeColor(const QString &fileValue, bool bgImageUsing)
{
    QString value = fileValue;
    value.replace(QLatin1Char('.'), QLatin1Char(','));
    // The alpha only matters over a background image; plain rgb() style sheets take three numbers.
    if (!bgImageUsing && value.count(QLatin1Char(',')) == 3)
        value.truncate(value.lastIndexOf(QLatin1Char(',')));
    return value;
}

ThemeColorInfo readThemeColorInfo(const QString &filePath, bool bgImageUsing)
{
    QSettings file(filePath, QSettings::IniFormat);
    file.setIniCodec("UTF_8");
    file.beginGroup(QStringLiteral("ThemeColor"));

    ThemeColorInfo info;
    for (const ThemeColorField &field : themeColorFields())
        info.*field.member = normalizeThemeColor(file.value(QLatin1String(field.key)).toString(), bgImageUsing);
    info.TextFont = file.value(QStringLiteral("TextFont")).toString();
    return info;
}
