#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"

#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyPageSheets.h"
#include "ui_DSeniorKeysBindingPage.h"

#include <QSignalBlocker>

#include <list>

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_SENIOR_KEY, KEY_OPERATE_SENIOR_KEY, parent)
    , m_ui(new Ui_DSeniorKeysBindingPage)
{
    m_ui->setupUi(this);
    m_ui->label_2->setText(QObject::tr("Senior Keys"));
    connect(m_ui->comboBox_SeniorKeys, QOverload<int>::of(&QComboBox::activated), this,
            &DSeniorKeysBindingPage::onComboxActivated);
}

DSeniorKeysBindingPage::~DSeniorKeysBindingPage()
{
    delete m_ui;
}

void DSeniorKeysBindingPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label_2->setText(QObject::tr("Senior Keys"));
}

void DSeniorKeysBindingPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->label_2->setStyleSheet(
        QString("QLabel{ color: rgb(%1); font: 75 12pt \"%2\"; }").arg(theme.TextDefaultColor, theme.TextFont));
    m_ui->comboBox_SeniorKeys->setStyleSheet(KeyPageSheets::comboBox(theme, "255, 35, 76"));
}

void DSeniorKeysBindingPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    DDataManager::instance()->getSeniorKeyXmlPath(m_seniorKeyXmlPath);
    m_seniorKeys.clear();
    const QSignalBlocker blocker(m_ui->comboBox_SeniorKeys);
    m_ui->comboBox_SeniorKeys->clear();

    std::list<SeniorKeyInfoStu> records;
    if (CVorlanXML_SeniorKey_SelectAllInfoItem(m_seniorKeyXmlPath, &records)) {
        // Of records with one id the last one read stays.
        for (const SeniorKeyInfoStu &record : records)
            m_seniorKeys.insert(record.id, record);
    }
    for (const SeniorKeyInfoStu &record : qAsConst(m_seniorKeys))
        m_ui->comboBox_SeniorKeys->addItem(QString::fromUtf8(record.name), QString::number(record.id));

    const KeyOperateInfo info = readEntry();
    if (!KeyOperateStore::hasEntry(info) || KeyOperateValue::leadingNumber(info.operateType) == -1) {
        if (m_ui->comboBox_SeniorKeys->count() > 0)
            m_ui->comboBox_SeniorKeys->setCurrentIndex(0);
        return;
    }
    // The stored type is not compared: any entry whose value reads as an id shows that key.
    const int stored = KeyOperateValue::leadingNumber(info.value);
    if (m_seniorKeys.contains(stored)) {
        const int place = m_ui->comboBox_SeniorKeys->findText(QString::fromUtf8(m_seniorKeys.value(stored).name),
                                                              Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (place >= 0)
            m_ui->comboBox_SeniorKeys->setCurrentIndex(place);
    }
}

void DSeniorKeysBindingPage::on_comboBox_SeniorKeys_currentIndexChanged(const QString &text)
{
    Q_UNUSED(text);
}

void DSeniorKeysBindingPage::onComboxActivated(int index)
{
    Q_UNUSED(index);
    if (m_ui->comboBox_SeniorKeys->count() == 0)
        return;
    m_chosenId = KeyOperateValue::leadingNumber(m_ui->comboBox_SeniorKeys->currentData().toString().toLatin1());
    saveKeyOperate();
}

void DSeniorKeysBindingPage::saveKeyOperate()
{
    storeKeyOperate(KEY_OPERATE_SENIOR_KEY, "1", "1", QByteArray::number(m_chosenId));
}
