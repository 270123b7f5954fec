#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DMouseKeyPage.h"

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DFixedChoicePage(KEY_OPERATE_MOUSE, KEY_OPERATE_MOUSE, FixedChoiceTable::mouse(), parent)
    , m_ui(new Ui_DMouseKeyPage)
{
    m_ui->setupUi(this);
    bindForm(m_ui->label_7, QT_TRANSLATE_NOOP("QObject", "Mouse Key"));
}

DMouseKeyPage::~DMouseKeyPage()
{
    delete m_ui;
}

void DMouseKeyPage::retranslate()
{
    m_ui->retranslateUi(this);
    DFixedChoicePage::retranslate();
}

void DMouseKeyPage::on_radioButton_mouseLeft_clicked()
{
    storeChoice(m_ui->radioButton_mouseLeft);
}

void DMouseKeyPage::on_radioButton_mouseCenter_clicked()
{
    storeChoice(m_ui->radioButton_mouseCenter);
}

void DMouseKeyPage::on_radioButton_mouseRight_clicked()
{
    storeChoice(m_ui->radioButton_mouseRight);
}

void DMouseKeyPage::on_radioButton_mouseScrollUp_clicked()
{
    storeChoice(m_ui->radioButton_mouseScrollUp);
}

void DMouseKeyPage::on_radioButton_mouseScrollDown_clicked()
{
    storeChoice(m_ui->radioButton_mouseScrollDown);
}

void DMouseKeyPage::on_radioButton_Forward_clicked()
{
    storeChoice(m_ui->radioButton_Forward);
}

void DMouseKeyPage::on_radioButton_Backward_clicked()
{
    storeChoice(m_ui->radioButton_Backward);
}
