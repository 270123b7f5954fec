#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DMultimediaPage.h"

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DFixedChoicePage(KEY_OPERATE_MULTIMEDIA, KEY_OPERATE_MULTIMEDIA, FixedChoiceTable::multimedia(), parent)
    , m_ui(new Ui_DMultimediaPage)
{
    m_ui->setupUi(this);
    bindForm(m_ui->label_6, QT_TRANSLATE_NOOP("QObject", "Multimedia"));
}

DMultimediaPage::~DMultimediaPage()
{
    delete m_ui;
}

void DMultimediaPage::retranslate()
{
    m_ui->retranslateUi(this);
    DFixedChoicePage::retranslate();
}

void DMultimediaPage::on_radioButton_volAdd_clicked()
{
    storeChoice(m_ui->radioButton_volAdd);
}

void DMultimediaPage::on_radioButton_volLower_clicked()
{
    storeChoice(m_ui->radioButton_volLower);
}

void DMultimediaPage::on_radioButton_mute_clicked()
{
    storeChoice(m_ui->radioButton_mute);
}

void DMultimediaPage::on_radioButton_playOrPause_clicked()
{
    storeChoice(m_ui->radioButton_playOrPause);
}

void DMultimediaPage::on_radioButton_next_clicked()
{
    storeChoice(m_ui->radioButton_next);
}

void DMultimediaPage::on_radioButton_previous_clicked()
{
    storeChoice(m_ui->radioButton_previous);
}

void DMultimediaPage::on_radioButton_videoStop_clicked()
{
    storeChoice(m_ui->radioButton_videoStop);
}

void DMultimediaPage::on_radioButton_Player_clicked()
{
    storeChoice(m_ui->radioButton_Player);
}

void DMultimediaPage::on_radioButton_Calculator_clicked()
{
    storeChoice(m_ui->radioButton_Calculator);
}

void DMultimediaPage::on_radioButton_Computer_clicked()
{
    storeChoice(m_ui->radioButton_Computer);
}

void DMultimediaPage::on_radioButton_Browser_clicked()
{
    storeChoice(m_ui->radioButton_Browser);
}

void DMultimediaPage::on_radioButton_Email_clicked()
{
    storeChoice(m_ui->radioButton_Email);
}

void DMultimediaPage::on_radioButton_ScreenBrightnessAdd_clicked()
{
    storeChoice(m_ui->radioButton_ScreenBrightnessAdd);
}

void DMultimediaPage::on_radioButton_ScreenBrightnessLess_clicked()
{
    storeChoice(m_ui->radioButton_ScreenBrightnessLess);
}

void DMultimediaPage::on_radioButton_wwwSearch_clicked()
{
    storeChoice(m_ui->radioButton_wwwSearch);
}
