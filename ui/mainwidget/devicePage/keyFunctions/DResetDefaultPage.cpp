#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/PressModeChoice.h"

#include <QLabel>
#include <QVBoxLayout>

DResetDefaultPage::DResetDefaultPage(QWidget *parent)
    : DKeyFunctionPage(-1, -1, parent)
    , m_pressChoice(new PressModeChoice(243, this))
    , m_keyLabel(new QLabel(this))
{
    setObjectName("DResetDefaultPage");
    setTitle(QT_TRANSLATE_NOOP("QObject", "Default"));
    m_keyLabel->setObjectName("label_KeyName");
    m_keyLabel->setAlignment(Qt::AlignCenter);
    auto *column = static_cast<QVBoxLayout *>(layout());
    column->insertWidget(0, m_pressChoice);
    column->insertWidget(3, m_keyLabel);
    m_keyLabel->setText("NULL");
}

void DResetDefaultPage::retranslate()
{
    DKeyFunctionPage::retranslate();
    m_pressChoice->retranslate();
}

void DResetDefaultPage::applyTheme()
{
    DKeyFunctionPage::applyTheme();
    m_pressChoice->applyTheme();
    m_keyLabel->setStyleSheet(QString("QLabel#label_KeyName{ color: rgb(%1); }")
                                  .arg(DDataManager::instance()->getThemeInfo().TextCheckedColor));
}

void DResetDefaultPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    m_pressChoice->select(PressModeChoice::LightPress);
    m_pressChoice->setVisible(DDataManager::instance()->isMagneticKeyboard() && m_pressChoice->isOffered());
    m_keyLabel->setText(m_keyDec == -1 ? QString("NULL") : m_keyName);
}

void DResetDefaultPage::clearPage()
{
    m_keyDec = -1;
    m_keyName = "NULL";
    m_keyLabel->setText(m_keyName);
}

void DResetDefaultPage::setPressModeSelectVisible(bool visible)
{
    Q_UNUSED(visible);
    m_pressChoice->withdraw();
}
