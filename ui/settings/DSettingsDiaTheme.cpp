// The settings dialog's theme method: every style sheet of the form from the current theme.
#include "app/DDataManager.h"
#include "ui/settings/DSettingsDia.h"
#include "ui_DSettingsDia.h"
#include "widgets/CbNotice.h"

void DSettingsDia::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    const QFont boldFont = DDataManager::instance()->getFont(0);
    const QString &font = theme.TextFont;

    m_notice->applyTheme(theme);

    m_ui->frame_16->setStyleSheet(
        QString("QFrame#frame_16{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius: 12px;}")
            .arg(theme.TextCheckedColor, theme.SettingsBgColor));
    m_ui->frame_Title->setStyleSheet(
        QString("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2); "
                "border-top-left-radius: 12px; border-top-right-radius: 12px;}\n"
                "QLabel#label_Title{color: rgb(%3);}")
            .arg(theme.SettingsTitleColorStart, theme.SettingsBorderColor, theme.TextCheckedColor));
    m_ui->frame_LogoSet->setStyleSheet("QFrame{border-image: url(:/images/vorlanLogo.png);}");
    m_ui->frame_Bg->setStyleSheet(QString("QFrame#frame_Bg{background-color: rgb(%1); border-bottom-left-radius: 12px; "
                                          "border-bottom-right-radius: 12px;}")
                                      .arg(theme.SettingsBgColor));
    m_ui->frame_3->setStyleSheet(
        QString("QFrame#frame_3{border: none; border-right: 3px solid rgb(%1);}").arg(theme.SettingsBorderColor));
    m_ui->frame_4->setStyleSheet(
        QString("QPushButton{border: 0px; background-color: rgb(%1); color: rgb(%2); font: 75 11pt \"%3\";}\n"
                "QPushButton:hover{background-color: rgb(%4);}\n"
                "QPushButton:pressed{color: rgb(%5); background-color: rgb(%6);}\n"
                "QPushButton:!checked{color: rgb(%2); font: 75 11pt \"%3\";}\n"
                "QPushButton:checked{color: rgb(%5); background-color: rgb(%6);}")
            .arg(theme.SettingsControlDefaultColor, theme.TextDefaultColor, font, theme.SettingsControlHoverBgColor,
                 theme.TextCheckedColor, theme.SettingsControlSelectedBgColor));
    m_ui->page_Settings->setStyleSheet(
        QString("QLabel{color: rgb(%1); font: 75 10pt \"%2\";}\n"
                "QComboBox{background-color: rgb(%3); border: 1px solid rgb(%4); border-radius: 4px; color: rgb(%5); "
                "font: 75 10pt \"%2\"; padding-left: 5px;}\n"
                "QComboBox:hover{border: 1px solid rgb(%1);}\n"
                "QComboBox QAbstractItemView::item{height: 40px; padding-left: 10px;}\n"
                "QComboBox QAbstractItemView{outline: 0px;}\n"
                "QComboBox::drop-down{width: 20px; padding-right: 3px; background: transparent; position: relative; "
                "top: 0px; right: 0px;}\n"
                "QComboBox::down-arrow{border-image: url(:/images/publicIco/comboxDef.png); width: 10px; height: "
                "10px;}\n"
                "QComboBox::down-arrow:hover{border-image: url(:/images/publicIco/comboxDef.png);}\n"
                "QComboBox::down-arrow:on{border-image: url(:/images/publicIco/comboxSel.png); "
                "selection-background-color: rgb(255, 35, 76);}")
            .arg(theme.TextCheckedColor, font, theme.SettingsControlDefaultColor, theme.SettingsBorderColor,
                 theme.TextDefaultColor));
    const QString checkBoxSheet =
        QString("QCheckBox{color: rgb(%1); font: 75 10pt \"%3\";}\n"
                "QCheckBox:unchecked{color: rgb(%1); font: 75 10pt \"%3\";}\n"
                "QCheckBox:checked{color: rgb(%2); font: 75 10pt \"%3\";}\n"
                "QCheckBox::indicator{width: 13px; height: 13px;}\n"
                "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}\n"
                "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, font);
    m_ui->frame_7->setStyleSheet(checkBoxSheet);
    m_ui->checkBox_UsingBgImage->setStyleSheet(checkBoxSheet);
    const QString labelSheet = "QLabel#%1{color: rgb(%2); font: 75 %3pt \"%4\";}";
    m_ui->label_AppName->setStyleSheet(labelSheet.arg("label_AppName", theme.TextCheckedColor, "16", font));
    m_ui->label_APP->setStyleSheet(labelSheet.arg("label_APP", theme.TextCheckedColor, "12", font));
    m_ui->label_Copyright->setStyleSheet(labelSheet.arg("label_Copyright", theme.TextCheckedColor, "10", font));
    m_ui->label_AppVersion->setStyleSheet(
        QString("QLabel#label_AppVersion{color: rgb(%1);}").arg(theme.TextCheckedColor));
    QFont versionFont = boldFont;
    versionFont.setPointSize(12);
    m_ui->label_AppVersion->setFont(versionFont);

    // The hover colour gets a further 0, which turns a three-number colour transparent.
    const QString actionSheet =
        QString("QPushButton{border: 2px solid rgb(%1); border-radius: 8px; background-color: rgb(%2); "
                "color: rgb(%3); font: 75 10pt \"%4\";}\n"
                "QPushButton:hover{background-color: rgb(%5, 0); border: 2px solid rgb(%6);}\n"
                "QPushButton:pressed{color: rgb(%6); background-color: rgb(%5, 0); border: 2px solid rgb(%6);}")
            .arg(theme.SettingsControlBorderColor, theme.SettingsControlDefaultColor, theme.TextDefaultColor, font,
                 theme.SettingsControlHoverBgColor, theme.TextCheckedColor);
    for (QPushButton *button :
         {m_ui->pushButton_CheckAppUpdate, m_ui->pushButton_UpgradeCheck, m_ui->pushButton_feedbock,
          m_ui->pushButton_support, m_ui->pushButton_feedbock02, m_ui->pushButton_support02})
        button->setStyleSheet(actionSheet);

    m_ui->label_Link->setAlignment(Qt::AlignCenter);
    m_ui->label_Link->setText(linkText(theme));

    QFont titleFont = boldFont;
    titleFont.setPointSize(12);
    m_ui->label_Title->setFont(titleFont);
}
