#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DKeyConfigFunctionPage.h"

#include <QRadioButton>

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DFixedChoicePage(KEY_OPERATE_KEY_CONFIG, KEY_OPERATE_KEY_CONFIG, FixedChoiceTable::keyConfig(), parent)
    , m_ui(new Ui_DKeyConfigFunctionPage)
{
    m_ui->setupUi(this);
    bindForm(m_ui->label, QT_TRANSLATE_NOOP("QObject", "Key Config"));
}

DKeyConfigFunctionPage::~DKeyConfigFunctionPage()
{
    delete m_ui;
}

void DKeyConfigFunctionPage::retranslate()
{
    m_ui->retranslateUi(this);
    DFixedChoicePage::retranslate();
}

void DKeyConfigFunctionPage::on_radioButton_LockKeyboard_clicked()
{
    storeChoice(m_ui->radioButton_LockKeyboard);
}

void DKeyConfigFunctionPage::on_radioButton_SwitchLoopWin_clicked()
{
    storeChoice(m_ui->radioButton_SwitchLoopWin);
}

void DKeyConfigFunctionPage::on_radioButton_LockWin_clicked()
{
    storeChoice(m_ui->radioButton_LockWin);
}

void DKeyConfigFunctionPage::on_radioButton_UnlockWin_clicked()
{
    storeChoice(m_ui->radioButton_UnlockWin);
}

void DKeyConfigFunctionPage::on_radioButton_DefaultLayer_clicked()
{
    storeChoice(m_ui->radioButton_DefaultLayer);
}

void DKeyConfigFunctionPage::on_radioButton_FNLayer_clicked()
{
    storeChoice(m_ui->radioButton_FNLayer);
}

void DKeyConfigFunctionPage::on_radioButton_FN1Layer_clicked()
{
    storeChoice(m_ui->radioButton_FN1Layer);
}

void DKeyConfigFunctionPage::on_radioButton_USB_clicked()
{
    storeChoice(m_ui->radioButton_USB);
}

void DKeyConfigFunctionPage::on_radioButton_24G_clicked()
{
    storeChoice(m_ui->radioButton_24G);
}

void DKeyConfigFunctionPage::on_radioButton_Pattern1_clicked()
{
    storeChoice(m_ui->radioButton_Pattern1);
}

void DKeyConfigFunctionPage::on_radioButton_Pattern2_clicked()
{
    storeChoice(m_ui->radioButton_Pattern2);
}

void DKeyConfigFunctionPage::on_radioButton_Pattern3_clicked()
{
    storeChoice(m_ui->radioButton_Pattern3);
}

void DKeyConfigFunctionPage::on_radioButton_PowerQuery_clicked()
{
    storeChoice(m_ui->radioButton_PowerQuery);
}

void DKeyConfigFunctionPage::loadCurrentKeyInfo()
{
    const bool shown = FixedChoiceTable::showsConnectionChoices(DDataManager::instance()->getHidDeviceType());
    for (int row = 0; row < choices().size(); ++row) {
        if (FixedChoiceTable::isConnectionChoice(choices()[row]) && radioAt(row))
            radioAt(row)->setVisible(shown);
    }
    DFixedChoicePage::loadCurrentKeyInfo();
}
