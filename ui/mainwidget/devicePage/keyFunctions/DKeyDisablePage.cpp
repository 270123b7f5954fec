#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DKeyDisablePage.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_DISABLE, KEY_OPERATE_DISABLE, parent)
    , m_ui(new Ui_DKeyDisablePage)
{
    m_ui->setupUi(this);
    setOwnTexts();
}

DKeyDisablePage::~DKeyDisablePage()
{
    delete m_ui;
}

void DKeyDisablePage::setOwnTexts()
{
    m_ui->label_3->setText(QObject::tr("Disable"));
    m_ui->pushButton_OK->setText(QObject::tr("OK"));
    m_ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyDisablePage::retranslate()
{
    // The form's texts leave the key label alone: it keeps the selected key's name.
    m_ui->retranslateUi(this);
    setOwnTexts();
}

void DKeyDisablePage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    QFont font = data->getFont(1);
    font.setPointSize(12);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_ui->label_3), static_cast<QWidget *>(m_ui->label_KeyChar),
          static_cast<QWidget *>(m_ui->pushButton_OK), static_cast<QWidget *>(m_ui->pushButton_Cancel)})
        widget->setFont(font);
    m_ui->label_3->setStyleSheet(QString(" QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
    m_ui->label_KeyChar->setStyleSheet(
        QString("QLabel#label_KeyChar{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }")
            .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    const QString buttonSheet =
        QString(
            "QPushButton{ border-radius: 8px; border: 3px solid rgb(%1); background-color: rgb(%2); color: rgb(%3); }"
            "QPushButton:hover{ background-color: rgb(%2); border: 3px solid rgb(%4); border-radius: 8px; }"
            "QPushButton:pressed{ color: rgb(%4); background-color: rgb(%2); border: 3px solid rgb(%4);"
            " border-radius: 8px; }")
            .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor);
    m_ui->pushButton_OK->setStyleSheet(buttonSheet);
    m_ui->pushButton_Cancel->setStyleSheet(buttonSheet);
}

void DKeyDisablePage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    m_ui->label_KeyChar->setText(m_keyName);
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    storeKeyOperate(KEY_OPERATE_DISABLE, "1", "1", "-1");
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
