#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DHotKeyPage.h"

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DFixedChoicePage(KEY_OPERATE_SHORTCUT, KEY_OPERATE_SHORTCUT, FixedChoiceTable::shortcuts(), parent)
    , m_ui(new Ui_DHotKeyPage)
{
    m_ui->setupUi(this);
    bindForm(m_ui->label, QT_TRANSLATE_NOOP("QObject", "Shortcuts"));
}

DHotKeyPage::~DHotKeyPage()
{
    delete m_ui;
}

void DHotKeyPage::retranslate()
{
    m_ui->retranslateUi(this);
    DFixedChoicePage::retranslate();
}

void DHotKeyPage::on_radioButton_CloseWindow_clicked()
{
    storeChoice(m_ui->radioButton_CloseWindow);
}

void DHotKeyPage::on_radioButton_ShowDesktop_clicked()
{
    storeChoice(m_ui->radioButton_ShowDesktop);
}

void DHotKeyPage::on_radioButton_OpenMyComputer_clicked()
{
    storeChoice(m_ui->radioButton_OpenMyComputer);
}

void DHotKeyPage::on_radioButton_LockingComputer_clicked()
{
    storeChoice(m_ui->radioButton_LockingComputer);
}

void DHotKeyPage::on_radioButton_Copy_clicked()
{
    storeChoice(m_ui->radioButton_Copy);
}

void DHotKeyPage::on_radioButton_Cut_clicked()
{
    storeChoice(m_ui->radioButton_Cut);
}

void DHotKeyPage::on_radioButton_Paste_clicked()
{
    storeChoice(m_ui->radioButton_Paste);
}

void DHotKeyPage::on_radioButton_Find_clicked()
{
    storeChoice(m_ui->radioButton_Find);
}

void DHotKeyPage::on_radioButton_CreateNew_clicked()
{
    storeChoice(m_ui->radioButton_CreateNew);
}

void DHotKeyPage::on_radioButton_Print_clicked()
{
    storeChoice(m_ui->radioButton_Print);
}

void DHotKeyPage::on_radioButton_Save_clicked()
{
    storeChoice(m_ui->radioButton_Save);
}
