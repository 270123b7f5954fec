#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"

#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/download/BoundMacroCopy.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyPageSheets.h"
#include "ui/mainwidget/devicePage/keyFunctions/PressModeChoice.h"
#include "ui_DResetDefaultPage.h"

#include <QVBoxLayout>

DResetDefaultPage::DResetDefaultPage(QWidget *parent)
    : DKeyFunctionPage(-1, -1, parent)
    , m_ui(new Ui_DResetDefaultPage)
{
    m_ui->setupUi(this);
    m_pressChoice = new PressModeChoice(245, this);
    m_ui->verticalLayout->insertWidget(0, m_pressChoice);
    setOwnTexts();
    m_ui->pushButton_Cancel->hide();
    m_keyName = "NULL";
    connect(m_pressChoice, &PressModeChoice::sigModeClicked, this, &DResetDefaultPage::onCurIndexChanged_ModeSel);
}

DResetDefaultPage::~DResetDefaultPage()
{
    delete m_ui;
}

void DResetDefaultPage::setOwnTexts()
{
    m_ui->label_3->setText(QObject::tr("Default"));
    m_ui->label_KeyName->setText(m_keyDec == -1 ? QString("NULL") : m_keyName);
    m_ui->pushButton_OK->setText(QObject::tr("OK"));
    m_ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
    m_pressChoice->retranslate();
}

void DResetDefaultPage::retranslate()
{
    m_ui->retranslateUi(this);
    setOwnTexts();
}

void DResetDefaultPage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    QFont font = data->getFont(1);
    font.setPointSize(12);
    m_ui->label_3->setFont(font);
    m_ui->label_KeyName->setFont(font);
    m_ui->pushButton_OK->setFont(font);
    m_ui->label_3->setStyleSheet(QString(" QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
    m_ui->label_KeyName->setStyleSheet(
        QString("QLabel#label_KeyName{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }")
            .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    m_ui->pushButton_OK->setStyleSheet(KeyPageSheets::button(theme));
    m_pressChoice->applyTheme();
}

void DResetDefaultPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    if (m_keyDec == -1)
        m_keyName = "NULL";
    m_ui->label_KeyName->setText(m_keyName);
    m_pressChoice->setVisible(DDataManager::instance()->isMagneticKeyboard() && m_pressChoice->isOffered());
    m_pressChoice->select(PressModeChoice::LightPress);
    onCurIndexChanged_ModeSel(PressModeChoice::LightPress);
}

void DResetDefaultPage::clearPage()
{
    m_keyDec = -1;
    m_keyName = "NULL";
    m_ui->label_KeyName->setText(m_keyName);
}

void DResetDefaultPage::setPressModeSelectVisible(bool visible)
{
    Q_UNUSED(visible);
    m_pressChoice->withdraw();
}

void DResetDefaultPage::onCurIndexChanged_ModeSel(int selIndex)
{
    if (selIndex != PressModeChoice::LightPress)
        takeMagneticProfile();
    else
        takeCurrentProfile();
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    if (m_keyDec == -1) {
        emit sigCustomKeyInfoSaveFailed(10, 0);
        return;
    }
    const KeyOperateInfo info = readEntry();
    if (KeyOperateStore::hasEntry(info)) {
        if (KeyOperateStore::storedType(info) == KEY_OPERATE_MACRO) {
            // The profile's copy of the macro goes with the last key bound to it.
            const int macroIndex = KeyOperateValue::leadingNumber(info.value);
            const int boundKeys = CVorlanXML_GetProFileValueNum(
                m_profileXmlPath, QByteArray::number(m_profileIndex).constData(), "1", info.value);
            if (boundKeys == 1)
                BoundMacroCopy::remove(QString::fromLocal8Bit(m_profileXmlPath), m_profileIndex, macroIndex);
        }
        KeyOperateStore::remove(m_profileXmlPath, m_profileIndex, m_keyDec, m_keyName.toLatin1());
    }
    emit sigShoudUpdateKeyboard(m_keyDec);
    emit sigCustomKeyInfoSaveSuccessful();
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
