#include "widgets/DSoftKeyboardPage.h"
#include "ui_DSoftKeyboardPage.h"

#include "app/DDataManager.h"
#include "widgets/SoftKeyboardButCustom.h"
#include "widgets/SoftKeyboardLayout.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DSoftKeyboardPage>())
{
    m_ui->setupUi(this);
    setFixedSize(1000, 245);
    applyTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage() = default;

void DSoftKeyboardPage::loadKeyboardInfo(const QString &model)
{
    for (SoftKeyboardButCustom *key : qAsConst(m_keyMap))
        key->deleteLater();
    m_keyNameMap.clear();
    m_keyMap.clear();
    // Keys scheduled for deletion may still sit in the selection; they must not be touched again.
    m_selectedKeys.clear();
    m_modifierCount = 0;

    m_layoutNumber = DDataManager::instance()->getSoftKeyboardLayoutIndex(model);
    const QString fileName = SoftKeyboardLayout::fileName(m_layoutNumber);

    QTemporaryDir folder;
    QString path;
    const QString copy = folder.path() + QLatin1Char('/') + fileName;
    if (folder.isValid() && QFile::copy(QStringLiteral(":/images/configDir/") + fileName, copy))
        path = copy;

    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug().noquote()
            << "------------------------ Softkeyboard loadKeyboardInfo => fp == NULL -------------------------";
        return;
    }
    buildKeys(file.readAll());
}

bool DSoftKeyboardPage::buildKeys(const QByteArray &text)
{
    QVector<SoftKeyboardLayout::SoftKeyInfo> keys;
    if (!SoftKeyboardLayout::parse(text, m_layoutNumber, &keys))
        return false;

    for (const SoftKeyboardLayout::SoftKeyInfo &info : qAsConst(keys)) {
        auto *key = new SoftKeyboardButCustom(0, this);
        key->setKeySize(info.width, info.height);
        key->setGeometry(info.posX, info.posY, info.width, info.height);
        key->setKeyInfo(info.dec, info.legend);
        m_keyNameMap[info.dec] = info.legend;
        m_virtualKeyMap[info.qtDec] = info.dec;
        m_keyMap[info.dec] = key;
        connect(key, &SoftKeyboardButCustom::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
        key->show();
    }
    m_keyNameMap[-10] = QStringLiteral("Fn");

    for (SoftKeyboardButCustom *key : qAsConst(m_keyMap))
        key->setColors(m_textColor, m_selectedTextColor, m_keyColor);

    DDataManager::instance()->setKeyNameMap(m_keyNameMap);
    DDataManager::instance()->setVirtualKeyMap(m_virtualKeyMap);
    emit sigSoftKeyboardAlreadyLoad();
    return true;
}

void DSoftKeyboardPage::setMode(int mode)
{
    m_mode = mode;
}

void DSoftKeyboardPage::setSelectEnabled(bool on)
{
    m_selectEnabled = on;
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *key = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!key)
        return;
    if (m_mode == 1 && m_selectEnabled) {
        bool selectable = true;
        if (isModifier(key->keyDec())) {
            ++m_modifierCount;
            if (m_modifierCount > 2) {
                --m_modifierCount;
                selectable = false;
            }
        }
        if (selectable) {
            key->setNormalOnLeave(false);
            key->setState(1);
            m_selectedKeys.append(key);
        }
    }
    emit sigSoftKeyboardClicked(key->keyDec(), key->keyCharacter());
}

void DSoftKeyboardPage::deselectKey(int keyDec)
{
    if (m_mode != 1 || !m_selectEnabled)
        return;
    SoftKeyboardButCustom *key = m_keyMap.value(keyDec);
    if (!key || !m_selectedKeys.contains(key))
        return;
    key->setNormalOnLeave(true);
    key->setState(0);
    m_selectedKeys.removeOne(key);
}

void DSoftKeyboardPage::clearSelectedKeys()
{
    for (SoftKeyboardButCustom *key : qAsConst(m_selectedKeys)) {
        key->setNormalOnLeave(true);
        key->setState(0);
    }
    m_selectedKeys.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_selectedTextColor = theme.TextCheckedColor;
    m_textColor = theme.DeviceSoftkeyboardButDefaultTextColor;
    m_keyColor = theme.DeviceSoftkeyboardButColor;
    for (SoftKeyboardButCustom *key : qAsConst(m_keyMap))
        key->setColors(m_textColor, m_selectedTextColor, m_keyColor);
}

void DSoftKeyboardPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}
