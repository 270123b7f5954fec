#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DKeyboardLightCustomEventPage.h"

#include <QTimer>

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DFixedChoicePage(KEY_OPERATE_KB_LIGHT_FIRST, KEY_OPERATE_KB_LIGHT_LAST, FixedChoiceTable::keyboardLight(), parent)
    , m_ui(new Ui_DKeyboardLightCustomEventPage)
{
    m_ui->setupUi(this);
    bindForm(m_ui->label_4, QT_TRANSLATE_NOOP("QObject", "Keyboard Light"));
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage()
{
    delete m_ui;
}

void DKeyboardLightCustomEventPage::retranslate()
{
    m_ui->retranslateUi(this);
    DFixedChoicePage::retranslate();
}

void DKeyboardLightCustomEventPage::on_radioButton_OverallLightList_clicked()
{
    storeChoice(m_ui->radioButton_OverallLightList);
}

void DKeyboardLightCustomEventPage::on_radioButton_InteractionLightList_clicked()
{
    storeChoice(m_ui->radioButton_InteractionLightList);
}

void DKeyboardLightCustomEventPage::on_radioButton_AllLightList_clicked()
{
    storeChoice(m_ui->radioButton_AllLightList);
}

void DKeyboardLightCustomEventPage::on_radioButton_StaticMode_clicked()
{
    storeChoice(m_ui->radioButton_StaticMode);
}

void DKeyboardLightCustomEventPage::on_radioButton_BrightnessUp_clicked()
{
    storeChoice(m_ui->radioButton_BrightnessUp);
}

void DKeyboardLightCustomEventPage::on_radioButton_BrightnessDown_clicked()
{
    storeChoice(m_ui->radioButton_BrightnessDown);
}

void DKeyboardLightCustomEventPage::on_radioButton_SpeedAdd_clicked()
{
    storeChoice(m_ui->radioButton_SpeedAdd);
}

void DKeyboardLightCustomEventPage::on_radioButton_SpeedLessen_clicked()
{
    storeChoice(m_ui->radioButton_SpeedLessen);
}

void DKeyboardLightCustomEventPage::on_radioButton_DirectionAddOne_clicked()
{
    storeChoice(m_ui->radioButton_DirectionAddOne);
}

void DKeyboardLightCustomEventPage::on_radioButton_DirectionLessenOne_clicked()
{
    storeChoice(m_ui->radioButton_DirectionLessenOne);
}

void DKeyboardLightCustomEventPage::on_radioButton_DirectionLoop_clicked()
{
    storeChoice(m_ui->radioButton_DirectionLoop);
}

void DKeyboardLightCustomEventPage::on_radioButton_FullColor_clicked()
{
    storeChoice(m_ui->radioButton_FullColor);
}

void DKeyboardLightCustomEventPage::on_radioButton_TopColor_clicked()
{
    storeChoice(m_ui->radioButton_TopColor);
}

void DKeyboardLightCustomEventPage::on_radioButton_BottomColor_clicked()
{
    storeChoice(m_ui->radioButton_BottomColor);
}

void DKeyboardLightCustomEventPage::on_radioButton_CloseAll_clicked()
{
    storeChoice(m_ui->radioButton_CloseAll);
}

void DKeyboardLightCustomEventPage::on_radioButton_CloseBackLight_clicked()
{
    storeChoice(m_ui->radioButton_CloseBackLight);
}

void DKeyboardLightCustomEventPage::on_radioButton_StopBackLight_clicked()
{
    storeChoice(m_ui->radioButton_StopBackLight);
}

void DKeyboardLightCustomEventPage::on_radioButton_LightRecording_clicked()
{
    storeChoice(m_ui->radioButton_LightRecording);
}

void DKeyboardLightCustomEventPage::on_radioButton_IntoCustomLight01_clicked()
{
    storeChoice(m_ui->radioButton_IntoCustomLight01);
}

void DKeyboardLightCustomEventPage::on_radioButton_IntoCustomLight02_clicked()
{
    storeChoice(m_ui->radioButton_IntoCustomLight02);
}

void DKeyboardLightCustomEventPage::applyTheme()
{
    DFixedChoicePage::applyTheme();
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->scrollAreaWidgetContents->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents{ background-color: rgb(%1); }").arg(theme.DeviceRightBgColor));
    m_scrollBarSheet =
        QString(
            "QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }"
            "QScrollBar::handle:vertical{ background: rgba(%2); min-height: 20px; border-radius: 2px; }"
            "QScrollBar::handle:vertical:hover{ background: rgba(%3); }"
            "QScrollBar::add-line:vertical{ height: 0px; subcontrol-position: bottom; subcontrol-origin: margin; }"
            "QScrollBar::sub-line:vertical{ height: 0px; subcontrol-position: top; subcontrol-origin: margin; }"
            "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{ background: rgb(%1); border-radius: 3px; }"
            "QScrollBar:horizontal{ background: transparent; height: 4px; margin: 0px; }"
            "QScrollBar::handle:horizontal{ background: rgba(%2); min-width: 20px; border-radius: 2px; }"
            "QScrollBar::handle:horizontal:hover{ background: rgba(%3); }"
            "QScrollBar::add-line:horizontal,QScrollBar::sub-line:horizontal{ border: none; background: transparent;"
            " height: 0px; }"
            "QScrollBar::add-page:horizontal,QScrollBar::sub-page:horizontal{ background: rgb(%1); border-radius: 3px; "
            "}")
            .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    // The scroll area takes its bar's sheet only once it has been laid out.
    QTimer::singleShot(200, this, &DKeyboardLightCustomEventPage::onScrollSheetSet);
}

void DKeyboardLightCustomEventPage::onScrollSheetSet()
{
    m_ui->widget_4->setStyleSheet(m_scrollBarSheet);
}
