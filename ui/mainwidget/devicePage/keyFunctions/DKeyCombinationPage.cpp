#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "widgets/DVirtualKeyboardTool.h"

#include <QLineEdit>

namespace {

const KeyCaptureForm combinationForm{"DKeyCombinationPage",
                                     "label_5",
                                     "frame_7",
                                     "lineEdit_keyCombination",
                                     241,
                                     QT_TRANSLATE_NOOP("QObject", "Key Combination"),
                                     QT_TRANSLATE_NOOP("QObject", "Enter key?"),
                                     1};

} // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : DKeyCapturePage(combinationForm, KEY_OPERATE_COMBINATION, parent)
{
    setObjectName("DKeyCombinationPage");
    resize(461, 179);
}

void DKeyCombinationPage::readStoredEntry()
{
    field()->clear();
    m_combination.clearForRead();
    const KeyOperateInfo info = readEntry();
    if (KeyOperateStore::storedType(info) != KEY_OPERATE_COMBINATION)
        return;
    field()->setText(KeyCombinationBuilder::describe(QString::fromUtf8(info.value), m_keyNameTable));
    m_found = true;
}

void DKeyCombinationPage::takeCapturedKey(int keyDec)
{
    onSoftKeyboardClicked_VirtualKB(keyDec);
}

void DKeyCombinationPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    const QString shownBefore = m_combination.shownText();
    const KeyCombinationBuilder::Pick pick = m_combination.pick(keyDec, m_keyNameTable);
    if (m_combination.shownText() != shownBefore)
        field()->setText(m_combination.shownText());
    switch (pick) {
    case KeyCombinationBuilder::Pick::Refused: keyboard()->clearSelectedKeys(); break;
    case KeyCombinationBuilder::Pick::Completed:
        keyboard()->clearSelectedKeys();
        saveKeyOperate();
        break;
    case KeyCombinationBuilder::Pick::TooManyModifiers: keyboard()->deselectKey(keyDec); break;
    case KeyCombinationBuilder::Pick::Dropped:
    case KeyCombinationBuilder::Pick::ModifierAdded: break;
    }
}

void DKeyCombinationPage::saveKeyOperate()
{
    if (m_combination.mask() == 0 || m_combination.key() == 0)
        return;
    storeKeyOperate(KEY_OPERATE_COMBINATION, "1", "1", m_combination.value().toLatin1());
    m_combination.clearStored();
}

void DKeyCombinationPage::popupOpening()
{
    keyboard()->setSelectEnabled(true);
}

void DKeyCombinationPage::popupClosing()
{
    keyboard()->setSelectEnabled(false);
}
