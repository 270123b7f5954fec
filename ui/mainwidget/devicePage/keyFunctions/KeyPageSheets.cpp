#include "ui/mainwidget/devicePage/keyFunctions/KeyPageSheets.h"

#include "app/ThemeColorInfo.h"
#include "widgets/ThemeColorText.h"

namespace KeyPageSheets {

QString button(const ThemeColorInfo &theme)
{
    return QString("QPushButton{ border-radius: 8px; border: 3px solid rgb(%1); background-color: %2; color: "
                   "rgb(%3); }"
                   "QPushButton:hover{ background-color: %2; border: 3px solid rgb(%4); border-radius: 8px; }"
                   "QPushButton:pressed{ color: rgb(%4); background-color: %2; border: 3px solid rgb(%4);"
                   " border-radius: 8px; }")
        .arg(theme.DeviceBorderColor, themeCssColor(theme.DeviceRightBgColor), theme.TextDefaultColor,
             theme.TextCheckedColor);
}

QString textBox(const ThemeColorInfo &theme)
{
    return QString("QTextEdit{ color: rgb(%1); font: 75 10pt \"%2\"; background-color: %3;"
                   " border: 1px solid rgb(%4); border-radius: 4px; }"
                   "QTextEdit:hover,QTextEdit:pressed{ border: 1px solid rgb(%5); }")
        .arg(theme.TextDefaultColor, theme.TextFont, themeCssColor(theme.DeviceRightBgColor), theme.DeviceBorderColor,
             theme.TextCheckedColor);
}

QString comboBox(const ThemeColorInfo &theme, const QString &selectionColour)
{
    return QString("QComboBox{ background-color: %1; padding-left: 5px; border: 1px solid rgb(%2);"
                   " font: 75 10pt \"%3\"; color: rgb(%4); border-radius: 4px; }"
                   "QComboBox:hover{ border: 1px solid rgb(%5); }"
                   "QComboBox QAbstractItemView::item{ height: 40px; padding-left: 10px; }"
                   "QComboBox::down-arrow,QComboBox::down-arrow:hover{ image: url(:/images/publicIco/comboxDef.png);"
                   " width: 14px; height: 14px; }"
                   "QComboBox::down-arrow:on{ image: url(:/images/publicIco/comboxSel.png); top: 0px; left: 0px; }"
                   "QComboBox QAbstractItemView{ selection-background-color: rgb(%6); outline: 0px; }"
                   "QComboBox::drop-down{ width: 20px; right: 3px; background: transparent; border: none; }")
        .arg(themeCssColor(theme.DeviceRightBgColor), theme.DeviceBorderColor, theme.TextFont, theme.TextDefaultColor,
             theme.TextCheckedColor, selectionColour);
}

QString scrollBars(const ThemeColorInfo &theme, bool withHorizontal)
{
    QString sheet = QString("QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }"
                            "QScrollBar::handle:vertical{ background: rgba(%1); min-height: 20px; border-radius: 2px; }"
                            "QScrollBar::handle:vertical:hover{ background: rgba(%2); }"
                            "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{ height: 0px; }"
                            "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{ background: rgb(%3);"
                            " border-radius: 3px; }")
                        .arg(theme.AllScrollBarColorDef, theme.AllScrollBarColorHover, theme.AllScrollBgColor);
    if (withHorizontal) {
        sheet += QString("QScrollBar:horizontal{ background: transparent; height: 4px; }"
                         "QScrollBar::handle:horizontal{ background: rgba(%1); min-width: 20px; border-radius: 2px; }"
                         "QScrollBar::handle:horizontal:hover{ background: rgba(%2); }"
                         "QScrollBar::add-line:horizontal,QScrollBar::sub-line:horizontal{ width: 0px; }"
                         "QScrollBar::add-page:horizontal,QScrollBar::sub-page:horizontal{ background: rgb(%3);"
                         " border-radius: 3px; }")
                     .arg(theme.AllScrollBarColorDef, theme.AllScrollBarColorHover, theme.AllScrollBgColor);
    }
    return sheet;
}

} // namespace KeyPageSheets
