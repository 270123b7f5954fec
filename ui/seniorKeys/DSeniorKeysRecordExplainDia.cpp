#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"

#include "ui_DSeniorKeysRecordExplainDia.h"

DSeniorKeysRecordExplainDia::DSeniorKeysRecordExplainDia(int type, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DSeniorKeysRecordExplainDia)
{
    m_ui->setupUi(this);
    switch (type) {
    case 1:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Explain01);
        m_ui->label_KeyRecordExplain->setText(
            tr("When \"Single Key\" is selected, simply click a certain key to complete key configuration;") + "\n"
            + tr("When \"Key Combination\" is selected, at least one combination key and one other key need to be "
                 "selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;"));
        break;
    case 2:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Explain02);
        m_ui->label_DksMtTglExplain->setText(
            QStringList{"DKS:",
                        tr("The key can achieve four functions: 1 to 4 functions can be bound according to four "
                           "different pressing degrees."),
                        "MT:",
                        tr("The key have two functions: holding down the key is one type, and clicking the key is "
                           "one type."),
                        "TGL:", tr("Click this key to switch continuous triggering on or off.")}
                .join('\n'));
        break;
    case 3: m_ui->stackedWidget->setCurrentWidget(m_ui->page_Explain03); break;
    default: break;
    }
}

DSeniorKeysRecordExplainDia::~DSeniorKeysRecordExplainDia()
{
    delete m_ui;
}
