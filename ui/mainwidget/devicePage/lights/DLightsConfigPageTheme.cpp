// The lighting tab's theme.
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/lights/DCustomLightListItem.h"
#include "widgets/ThemeColorText.h"
#include "widgets/sliderCustomWidget.h"

#include "ui_DLightsConfigPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

void DLightsConfigPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    QFont font = DDataManager::instance()->getFont(1);
    setStyleSheet(QString("QWidget#DLightsConfigPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));

    m_buttonBorderColor = theme.DeviceBorderColor;
    m_accentColor = theme.TextCheckedColor;
    m_ui->frame_3->setStyleSheet(
        QString("QFrame#frame_3{border: 3px solid rgb(%1); border-radius:8px;}").arg(theme.DeviceBorderColor));

    const QString labelSheet = QString(" QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor);
    font.setPointSize(12);
    for (QLabel *label : {m_ui->label, m_ui->label_24, m_ui->label_25, m_ui->label_26, m_ui->label_23}) {
        label->setStyleSheet(labelSheet);
        label->setFont(font);
    }
    font.setPointSize(8);
    for (QLabel *label : {m_ui->label_2, m_ui->label_3, m_ui->label_4, m_ui->label_R, m_ui->label_G, m_ui->label_B}) {
        label->setStyleSheet(labelSheet);
        label->setFont(font);
    }
    m_ui->label_LightMode->setStyleSheet(
        QString("QLabel#label_LightMode{color: rgb(%1); border: 3px solid rgb(%2); border-radius:8px;}")
            .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    font.setPointSize(12);
    m_ui->label_LightMode->setFont(font);

    applyPresetSwatches();

    const QString fieldSheet = QString("QLineEdit{ color: rgb(%2); font: 75 8pt \"%4\"; background-color: rgb(%1); "
                                       "border: 1px solid rgb(%5); border-radius: 4px; }"
                                       "QLineEdit:hover{ border: 1px solid rgb(%3); }"
                                       "QLineEdit:pressed{ border: 1px solid rgb(%3); }")
                                   .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor,
                                        theme.TextFont, theme.DeviceBorderColor);
    for (QLineEdit *field : {m_ui->lineEdit_R, m_ui->lineEdit_G, m_ui->lineEdit_B})
        field->setStyleSheet(fieldSheet);

    for (DCustomLightListItem *row : m_customLightItems)
        row->applyTheme();
    m_ui->scrollAreaWidgetContents_3->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents_3{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));

    m_scrollBarStyleSheet =
        QString("QScrollBar:vertical{background:transparent; width:4px; margin: 3px 0px 3px 0px;}"
                "QScrollBar::handle:vertical{background:rgba(%2); min-height: 20px; border-radius: 2px;}"
                "QScrollBar::handle:vertical:hover{background:rgba(%3);}"
                "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}"
                "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; subcontrol-origin: margin;}"
                "QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical{background:rgb(%1); border-radius:3px;}")
            .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    QTimer::singleShot(200, this, &DLightsConfigPage::onScrollSheetSet);

    for (sliderCustomWidget *slider : {m_brightnessSlider, m_speedSlider}) {
        slider->setHandleColor(opaqueThemeColor(theme.DeviceSliderEllipseColor));
        slider->setGrooveColor(opaqueThemeColor(theme.DeviceSliderHorizontalVerticalColor));
        slider->setTickColor(opaqueThemeColor(theme.DeviceSliderHorizontalVerticalColor));
    }
}

void DLightsConfigPage::onScrollSheetSet()
{
    m_ui->widget_4->setStyleSheet(m_scrollBarStyleSheet);
}
