#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"

#include "app/KeyOperateValue.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui_DChangProfilePage.h"

#include <QSignalBlocker>

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_PROFILE_SWITCH, KEY_OPERATE_PROFILE_SWITCH, parent)
    , m_ui(new Ui_DChangProfilePage)
{
    m_ui->setupUi(this);
    m_ui->label_2->setText(QObject::tr("Assign Profile"));
}

DChangProfilePage::~DChangProfilePage()
{
    delete m_ui;
}

void DChangProfilePage::retranslate()
{
    m_ui->retranslateUi(this);
}

void DChangProfilePage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    const QSignalBlocker blocker(m_ui->comboBox_Profile);
    m_ui->comboBox_Profile->clear();
    m_profileNames.clear();
    ProfileNodeList profiles;
    CVorlanXML_SelectProFileAllNodes(m_profileXmlPath, &profiles);
    for (const auto &profile : profiles) {
        const QString name = QString::fromStdString(profile.second);
        m_ui->comboBox_Profile->addItem(name, QString::fromStdString(profile.first));
        m_profileNames.insert(KeyOperateValue::leadingNumber(QByteArray::fromStdString(profile.first)), name);
    }
    if (m_ui->comboBox_Profile->count() > 0)
        m_ui->comboBox_Profile->setCurrentIndex(0);

    const KeyOperateInfo info = readEntry();
    if (KeyOperateStore::storedType(info) != KEY_OPERATE_PROFILE_SWITCH)
        return;
    const int stored = KeyOperateValue::leadingNumber(info.value);
    if (m_profileNames.contains(stored))
        m_ui->comboBox_Profile->setCurrentIndex(
            m_ui->comboBox_Profile->findText(m_profileNames.value(stored), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void DChangProfilePage::on_comboBox_Profile_currentIndexChanged(const QString &text)
{
    Q_UNUSED(text);
    saveKeyOperate();
}

void DChangProfilePage::saveKeyOperate()
{
    const int chosen = KeyOperateValue::leadingNumber(m_ui->comboBox_Profile->currentData().toString().toLatin1());
    storeKeyOperate(KEY_OPERATE_PROFILE_SWITCH, "1", "1", QByteArray::number(chosen));
}
