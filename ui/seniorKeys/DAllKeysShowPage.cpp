#include "ui/seniorKeys/DAllKeysShowPage.h"

#include "ui/seniorKeys/AllKeysTable.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui_DAllKeysShowPage.h"
#include "widgets/FlowLayout.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>

DAllKeysShowPage::DAllKeysShowPage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DAllKeysShowPage)
{
    m_ui->setupUi(this);
    m_ui->label_15->setText(QObject::tr("Key Combination"));
    m_ui->label_16->setText(QObject::tr("Normal Keys"));
    m_ui->label_17->setText(QObject::tr("Special Keys"));
    m_keyCombinationLayout = new FlowLayout(m_ui->widget_KeyCombination);
    m_normalKeysLayout = new FlowLayout(m_ui->widget_NormalKeys);
    m_specialKeysLayout = new FlowLayout(m_ui->widget_SpecialKeys);
    loadKeyboardInfo();
}

DAllKeysShowPage::~DAllKeysShowPage()
{
    delete m_ui;
}

QMap<int, QString> DAllKeysShowPage::getKeyMap() const
{
    return m_keyMap;
}

// The table is read from a copy in a temporary folder, which goes away when loading ends.
void DAllKeysShowPage::loadKeyboardInfo()
{
    const QString fileName = QStringLiteral("AllKeysInfo.config");
    QString localPath;
    QTemporaryDir folder;
    if (folder.isValid()) {
        const QString copy = folder.path() + QLatin1Char('/') + fileName;
        if (QFile::copy(AllKeysTable::resourcePath(), copy))
            localPath = copy;
    }
    QFile file(localPath);
    if (localPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return;
    }
    const QByteArray text = file.readAll();
    file.close();
    parseAllKeysInfo(text);
}

void DAllKeysShowPage::parseAllKeysInfo(const QByteArray &text)
{
    AllKeysTable::Groups groups;
    AllKeysTable::parse(text, &groups);
    FlowLayout *const layouts[AllKeysTable::GroupCount] = {m_keyCombinationLayout, m_normalKeysLayout,
                                                           m_specialKeysLayout};
    for (int group = 0; group < AllKeysTable::GroupCount; ++group) {
        for (const AllKeysEntry &entry : groups[group]) {
            DAllKeysItemKey *button = new DAllKeysItemKey;
            connect(button, &QPushButton::clicked, this, &DAllKeysShowPage::onKeyButtonClicked);
            button->setMinimumSize(30, 30);
            button->setKeyInfo(entry.keyDec, entry.keyCharacter);
            layouts[group]->addWidget(button);
            m_keyMap.insert(entry.keyDec, entry.keyCharacter);
        }
    }
    emit sigAllKeysInfoAlreadyLoadedA();
}

void DAllKeysShowPage::onKeyButtonClicked()
{
    const DAllKeysItemKey *button = qobject_cast<DAllKeysItemKey *>(sender());
    if (button)
        emit sigKeyListClicked(button->getKeyDec(), button->getKeyCharacter());
}
