#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"

#include <QLineEdit>

namespace {

const KeyCaptureForm remapForm{"DChangeKeyPage",
                               "label_44",
                               "frame_6",
                               "lineEdit_changForKey",
                               243,
                               QT_TRANSLATE_NOOP("QObject", "Remap Key"),
                               QT_TRANSLATE_NOOP("QObject", "Remap with key?"),
                               0};

} // namespace

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DKeyCapturePage(remapForm, KEY_OPERATE_REMAP, parent)
{
    setObjectName("DChangeKeyPage");
}

void DChangeKeyPage::readStoredEntry()
{
    m_targetKeyDec = -1;
    field()->clear();
    const KeyOperateInfo info = readEntry();
    if (KeyOperateStore::storedType(info) != KEY_OPERATE_REMAP)
        return;
    const int target = QByteArray(info.value).toInt();
    if (m_keyNameTable.contains(target))
        field()->setText(m_keyNameTable.value(target));
    m_found = true;
}

void DChangeKeyPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    const QMap<int, QString> names = DDataManager::instance()->getKeyNameMap();
    if (names.contains(keyDec))
        field()->setText(names.value(keyDec));
    takeCapturedKey(keyDec);
}

void DChangeKeyPage::takeCapturedKey(int keyDec)
{
    if (keyDec == m_targetKeyDec || !m_keyNameTable.contains(keyDec))
        return;
    field()->setText(m_keyNameTable.value(keyDec));
    m_targetKeyDec = keyDec;
    saveKeyOperate();
}

void DChangeKeyPage::saveKeyOperate()
{
    if (m_targetKeyDec == -1)
        return;
    storeKeyOperate(KEY_OPERATE_REMAP, "1", "1", QString("%1").arg(m_targetKeyDec).toLatin1());
    m_targetKeyDec = -1;
}
