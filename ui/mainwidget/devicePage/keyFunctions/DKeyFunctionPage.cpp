#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"

#include <QLabel>
#include <QVBoxLayout>

DKeyFunctionPage::DKeyFunctionPage(int firstType, int lastType, QWidget *parent)
    : QWidget(parent)
    , m_firstType(firstType)
    , m_lastType(lastType)
{
}

void DKeyFunctionPage::setTitle(const char *text)
{
    m_titleText = text;
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName("label_Title");
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setMinimumHeight(30);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addStretch();
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    m_titleLabel->setText(QObject::tr(m_titleText));
}

void DKeyFunctionPage::retranslate()
{
    if (m_titleLabel)
        m_titleLabel->setText(QObject::tr(m_titleText));
}

void DKeyFunctionPage::applyTheme()
{
    if (!m_titleLabel)
        return;
    DDataManager *data = DDataManager::instance();
    m_titleLabel->setStyleSheet(
        QString("QLabel#label_Title{ color: rgb(%1); }").arg(data->getThemeInfo().TextDefaultColor));
    QFont font = data->getFont(1);
    font.setPointSize(12);
    m_titleLabel->setFont(font);
}

void DKeyFunctionPage::takeCurrentKey()
{
    DDataManager *data = DDataManager::instance();
    m_keyDec = data->getCurrentKeyDec();
    m_keyName = data->getCurrentKeyName();
    takeCurrentProfile();
}

void DKeyFunctionPage::takeCurrentProfile()
{
    DDataManager *data = DDataManager::instance();
    m_profileIndex = data->getCurrentProfileIndex();
    data->getCurrentProfileXmlPath(m_profileXmlPath);
}

void DKeyFunctionPage::takeMagneticProfile()
{
    m_profileIndex = 1;
    DDataManager::instance()->getMagneticProfileXmlPath(m_profileXmlPath);
}

KeyOperateInfo DKeyFunctionPage::readEntry() const
{
    return KeyOperateStore::read(m_profileXmlPath, m_profileIndex, m_keyDec);
}

void DKeyFunctionPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    clearPage();
    if (m_firstType < 0)
        return;
    const KeyOperateInfo info = readEntry();
    if (isOwnType(KeyOperateStore::storedType(info)))
        showEntry(info);
}

void DKeyFunctionPage::storeKeyOperate(int operateType, const QByteArray &count, const QByteArray &mode,
                                       const QByteArray &value)
{
    // The key cap's mark and the success toast both claim a stored entry.
    if (!KeyOperateStore::store(m_profileXmlPath, m_profileIndex, m_keyDec, m_keyName, operateType, count, mode, value))
        return;
    emit sigShoudUpdateKeyboard(m_keyDec);
    emit sigCustomKeyInfoSaveSuccessful();
}
