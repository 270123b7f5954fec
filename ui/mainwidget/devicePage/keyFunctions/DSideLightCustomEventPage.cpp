#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DSideLightCustomEventPage.h"

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DFixedChoicePage(KEY_OPERATE_SIDE_LIGHT_FIRST, KEY_OPERATE_SIDE_LIGHT_LAST, FixedChoiceTable::sideLight(), parent)
    , m_ui(new Ui_DSideLightCustomEventPage)
{
    m_ui->setupUi(this);
    bindForm(m_ui->label_12, QT_TRANSLATE_NOOP("QObject", "Atmosphere Light"));
}

DSideLightCustomEventPage::~DSideLightCustomEventPage()
{
    delete m_ui;
}

void DSideLightCustomEventPage::retranslate()
{
    m_ui->retranslateUi(this);
    DFixedChoicePage::retranslate();
}

void DSideLightCustomEventPage::on_radioButton_OverallLightList_clicked()
{
    storeChoice(m_ui->radioButton_OverallLightList);
}

void DSideLightCustomEventPage::on_radioButton_InteractionLightList_clicked()
{
    storeChoice(m_ui->radioButton_InteractionLightList);
}

void DSideLightCustomEventPage::on_radioButton_AllLightList_clicked()
{
    storeChoice(m_ui->radioButton_AllLightList);
}

void DSideLightCustomEventPage::on_radioButton_BrightnessUp_clicked()
{
    storeChoice(m_ui->radioButton_BrightnessUp);
}

void DSideLightCustomEventPage::on_radioButton_BrightnessDown_clicked()
{
    storeChoice(m_ui->radioButton_BrightnessDown);
}

void DSideLightCustomEventPage::on_radioButton_SpeedAdd_clicked()
{
    storeChoice(m_ui->radioButton_SpeedAdd);
}

void DSideLightCustomEventPage::on_radioButton_SpeedLessen_clicked()
{
    storeChoice(m_ui->radioButton_SpeedLessen);
}

void DSideLightCustomEventPage::on_radioButton_FullColor_clicked()
{
    storeChoice(m_ui->radioButton_FullColor);
}

void DSideLightCustomEventPage::on_radioButton_TopColor_clicked()
{
    storeChoice(m_ui->radioButton_TopColor);
}

void DSideLightCustomEventPage::on_radioButton_BottomColor_clicked()
{
    storeChoice(m_ui->radioButton_BottomColor);
}

void DSideLightCustomEventPage::on_radioButton_CloseSideLight_clicked()
{
    storeChoice(m_ui->radioButton_CloseSideLight);
}

void DSideLightCustomEventPage::on_radioButton_StopSideLight_clicked()
{
    storeChoice(m_ui->radioButton_StopSideLight);
}
