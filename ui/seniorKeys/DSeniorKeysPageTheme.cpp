// The advanced-key editor's theme method: the toast, the themed style sheets and the fonts.
#include "app/DDataManager.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui_DSeniorKeysPage.h"
#include "widgets/CbNotice.h"

#include <QTimer>

void DSeniorKeysPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    const QString &font = theme.TextFont;

    m_notice->applyTheme(theme);

    linkColor = theme.TextCheckedColor;
    themeFontFamily = theme.TextFont;

    m_ui->horizontalSlider_HoldDuration->setStyleSheet(
        QString("QSlider::groove:horizontal{height: 6px; left: 0px; right: 0px; border: 0px; border-radius: 3px; "
                "background: rgba(%1);}\n"
                "QSlider::handle:horizontal{width: 16px; height: 16px; margin-top: -5px; margin-left: 0px; "
                "margin-bottom: -5px; margin-right: 0px; border-image: url(:/images/DKS/slider.png);}\n"
                "QSlider::sub-page:horizontal{border-radius: 3px; background: rgba(%2);}")
            .arg(theme.DeviceBorderColor, theme.TextCheckedColor));

    const QString slotButtons = QString("QToolButton{color: rgb(%1); font: 75 8pt \"%2\"; border: 1px solid rgb(%1); "
                                        "border-radius: 6px;}\n"
                                        "QToolButton:hover{border: 1px solid rgb(%3);}\n"
                                        "QToolButton:unchecked{border: 1px solid rgb(%1);}\n"
                                        "QToolButton:checked{border: 1px solid rgb(%3);}")
                                    .arg(theme.TextDefaultColor, font, theme.TextCheckedColor);
    m_ui->frame_8->setStyleSheet(slotButtons);
    m_ui->frame_13->setStyleSheet(slotButtons);
    m_ui->frame_20->setStyleSheet(slotButtons);

    m_ui->frame_Bg->setStyleSheet(
        QString("QFrame#frame_Bg{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius: 12px;}")
            .arg(theme.TextCheckedColor, theme.SettingsTitleColorStart));
    m_ui->frame_Title->setStyleSheet(
        QString("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2); "
                "border-top-left-radius: 12px; border-top-right-radius: 12px;}\n"
                "QLabel#label_Title{color: rgb(%3);}")
            .arg(theme.SettingsTitleColorStart, theme.MacroBorderColor, theme.TextCheckedColor));
    m_ui->widget_SeniorKeySetting->setStyleSheet(
        QString("QFrame#widget_SeniorKeySetting{background-color: rgb(%1);}\n"
                "QLabel{color: rgb(%2); font: 75 10pt \"%3\";}\n"
                "QRadioButton{color: rgb(%2); font: 75 10pt \"%3\";}\n"
                "QRadioButton:unchecked{color: rgb(%2); font: 75 10pt \"%3\";}\n"
                "QRadioButton:checked{color: rgb(%4); font: 75 10pt \"%3\";}\n"
                "QRadioButton::indicator:checked{background-color: rgb(%4); border-radius: 6px; "
                "border: 2px solid white;}\n"
                "QPushButton{border-radius: 8px; border: 2px solid rgb(%5); background-color: rgb(%1); "
                "color: rgb(%2);}\n"
                "QPushButton:hover{background-color: rgb(%1); border: 2px solid rgb(%4); border-radius: 8px;}")
            .arg(theme.MacroRightBgColor, theme.TextDefaultColor, font, theme.TextCheckedColor,
                 theme.MacroBorderColor));
    m_ui->widget_DksSetting->setStyleSheet(QString("QLabel{color: rgb(%1);}").arg(theme.TextDefaultColor));
    // The lists show the panels beneath them: "rgb(0,0,0,1)" would fill them black.
    m_ui->scrollArea_2->setStyleSheet("QScrollArea#scrollArea_2{background-color: transparent;}");
    m_ui->scrollAreaWidgetContents_2->setStyleSheet(
        "QWidget#scrollAreaWidgetContents_2{background-color: transparent;}");
    m_ui->scrollArea_3->setStyleSheet("QScrollArea#scrollArea_3{background-color: transparent;}");
    m_ui->scrollAreaWidgetContents_3->setStyleSheet(
        "QWidget#scrollAreaWidgetContents_3{background-color: transparent;}");
    scrollBarStyleSheet =
        QString("QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}\n"
                "QScrollBar::handle:vertical{background: rgba(%1); min-height: 20px; border-radius: 2px;}\n"
                "QScrollBar::handle:vertical:hover{background: rgba(%2);}\n"
                "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; "
                "subcontrol-origin: margin;}\n"
                "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; subcontrol-origin: margin;}\n"
                "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(%3); "
                "border-radius: 3px;}")
            .arg(theme.AllScrollBarColorDef, theme.AllScrollBarColorHover, theme.AllScrollBgColor);
    m_ui->frame_Left->setStyleSheet(
        QString("QFrame#frame_Left{border: none; border-right: 2px solid rgb(%1);}").arg(theme.MacroBorderColor));
    m_ui->frame_TypeSel->setStyleSheet(
        QString("QFrame#frame_TypeSel{border: none; border-bottom: 2px solid rgb(%1);}").arg(theme.MacroBorderColor));
    m_ui->frame_SeniorKeyEventList->setStyleSheet(
        QString("QFrame#frame_SeniorKeyEventList{border: none; border-top: 2px solid rgb(%1);}")
            .arg(theme.MacroBorderColor));
    m_ui->frame_11->setStyleSheet(
        QString("QFrame#frame_11{border: none; border-bottom: 2px solid rgb(%1);}").arg(theme.MacroBorderColor));
    m_ui->label_TipInfo->setStyleSheet(
        QString("QLabel{color: rgb(%1); font: 75 14pt \"%2\";}").arg(theme.TextCheckedColor, font));

    QFont bold = DDataManager::instance()->getFont(0);
    bold.setPointSize(12);
    m_ui->label_Title->setFont(bold);
    m_ui->label_EventTotalNum->setFont(bold);
    QFont normal = DDataManager::instance()->getFont(1);
    normal.setPointSize(8);
    m_ui->label_Stroke02->setFont(normal);
    m_ui->label_Stroke03->setFont(normal);

    QTimer::singleShot(200, this, &DSeniorKeysPage::onScrollSheetSet);
}

void DSeniorKeysPage::onScrollSheetSet()
{
    m_ui->widget_5->setStyleSheet(scrollBarStyleSheet);
    m_ui->widget_6->setStyleSheet(scrollBarStyleSheet);
}
