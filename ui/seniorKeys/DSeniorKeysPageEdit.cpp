// The advanced-key editor's edits of the selected key: picked keys and combinations, cleared
// slots, hold time, grid cells, travel points, and the explanation tips.
#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeyText.h"
#include "ui_DSeniorKeysPage.h"
#include "widgets/ArrowWidget.h"

#include <QMouseEvent>

namespace {

// Codes 224 to 231 are the eight modifiers, bits 0 to 7 of a combination's mask.
int modifierBit(int keyDec)
{
    return keyDec >= 224 && keyDec <= 231 ? 1 << (keyDec - 224) : 0;
}

const char *const kLinkTemplate =
    "<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span><a href=\"Company|%1|\"><span "
    "style=\"font-size:8pt; text-decoration:underline; color:rgb(%2);\">%1</span>";

} // namespace

void DSeniorKeysPage::saveCurrentKey()
{
    m_seniorKeyMap.insert(m_currentInfo.id, m_currentInfo);
    CVorlanXML_SeniorKey_ModifyInfoItem(m_xmlPath, m_currentInfo.type, m_currentInfo);
}

void DSeniorKeysPage::showTravelLabels(const SeniorKeyInfoStu &info)
{
    m_ui->label_Stroke01->setText(DStrokeConfigView::travelText(info.travel[0]));
    m_ui->label_Stroke02->setText(DStrokeConfigView::travelText(info.travel[1]));
    m_ui->label_Stroke03->setText(DStrokeConfigView::travelText(info.travel[2]));
    m_ui->label_Stroke04->setText(DStrokeConfigView::travelText(info.travel[3]));
    makeTravelLink(m_ui->label_Stroke01);
    makeTravelLink(m_ui->label_Stroke04);
}

void DSeniorKeysPage::makeTravelLink(QLabel *label)
{
    label->setText(QString::fromLatin1(kLinkTemplate).arg(label->text()).arg(linkColor).arg(themeFontFamily));
    label->setAlignment(Qt::AlignCenter);
}

// ---- Slots and key entry ----

void DSeniorKeysPage::onOperateTypeChanged(int index)
{
    m_createType = index;
}

void DSeniorKeysPage::onSksSelKeyChanged(int index)
{
    m_selectedSlot = index;
    QAbstractButton *buttons[] = {m_ui->toolButton_SeniorKey01, m_ui->toolButton_SeniorKey02,
                                  m_ui->toolButton_SeniorKey03, m_ui->toolButton_SeniorKey04};
    if (index >= 1 && index <= 4)
        m_currentKeyButton = buttons[index - 1];
}

void DSeniorKeysPage::onMtSelKeyChanged(int index)
{
    m_selectedSlot = index;
    if (index == 1)
        m_currentKeyButton = m_ui->toolButton_HoldKey;
    else if (index == 2)
        m_currentKeyButton = m_ui->toolButton_ClickKey;
}

void DSeniorKeysPage::writeKeyText(const QByteArray &keyText)
{
    using SeniorKeyRecord::writeField;
    SeniorKeyInfoStu &info = m_currentInfo;
    switch (info.type) {
    case SENIOR_KEY_DKS: {
        char *fields[] = {info.key1, info.key2, info.key3, info.key4};
        if (m_selectedSlot >= 1 && m_selectedSlot <= 4)
            writeField(fields[m_selectedSlot - 1], sizeof(info.key1), keyText);
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(info);
        break;
    }
    case SENIOR_KEY_MT:
        if (m_selectedSlot == 1)
            writeField(info.key1, sizeof(info.key1), keyText);
        else if (m_selectedSlot == 2)
            writeField(info.key2, sizeof(info.key2), keyText);
        break;
    case SENIOR_KEY_TGL:
        writeField(info.key1, sizeof(info.key1), keyText);
        info.tglSet = 1;
        break;
    default: break;
    }
}

void DSeniorKeysPage::onKeyListClicked(int keyDec, QString keyCharacter)
{
    if (!m_currentRow)
        return;
    if (m_ui->radioButton_SingleKey->isChecked()) {
        m_currentKeyButton->setText(keyCharacter);
        writeKeyText(SeniorKeyRecord::keyTextForCode(keyDec));
        m_currentRow->setSeniorKeyInfo(m_currentInfo);
        saveCurrentKey();
    } else if (m_ui->radioButton_CombinationKeys->isChecked()) {
        onCombinationKeyClicked(keyDec);
    }
}

void DSeniorKeysPage::onCombinationKeyClicked(int keyDec)
{
    if (!m_comboActive) {
        m_comboParts.clear();
        m_comboPartCount = 0;
        m_comboMask = 0;
        m_comboKeyCode = 0;
    }
    m_comboActive = true;
    const int bit = modifierBit(keyDec);
    if (m_comboPartCount == 0 && bit == 0)
        return;
    if (bit == 0) {
        m_comboActive = false;
        if (m_keyNameMap.contains(keyDec)) {
            m_comboKeyCode = keyDec;
            appendCombinationPart(m_keyNameMap.value(keyDec));
            m_comboPartCount = 0;
            m_comboParts.clear();
            commitCombinationKey();
        }
        return;
    }
    if (m_comboPartCount >= 2)
        return;
    const QString name = SeniorKeyText::modifierName(keyDec - 224);
    if (m_comboParts.contains(name))
        return;
    m_comboMask |= bit;
    appendCombinationPart(name);
}

void DSeniorKeysPage::appendCombinationPart(QString part)
{
    if (m_comboParts.contains(part))
        return;
    m_comboParts.append(part);
    m_comboPartCount = m_comboParts.size();
    m_currentKeyButton->setText(m_comboParts.join('+'));
}

void DSeniorKeysPage::commitCombinationKey()
{
    if (m_comboMask == 0 || m_comboKeyCode == 0)
        return;
    const QByteArray keyText = SeniorKeyRecord::keyTextForCombination(m_comboMask, m_comboKeyCode);
    m_comboMask = 0;
    m_comboKeyCode = 0;
    writeKeyText(keyText);
    m_currentRow->setSeniorKeyInfo(m_currentInfo);
    saveCurrentKey();
}

// ---- Right-button clear ----

bool DSeniorKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    const QObject *slotButtons[] = {m_ui->toolButton_SeniorKey01, m_ui->toolButton_SeniorKey02,
                                    m_ui->toolButton_SeniorKey03, m_ui->toolButton_SeniorKey04,
                                    m_ui->toolButton_HoldKey,     m_ui->toolButton_ClickKey,
                                    m_ui->toolButton_TglKey};
    const bool enter = event->type() == QEvent::Enter;
    const bool leave = event->type() == QEvent::Leave;
    if (enter || leave) {
        for (int slot = 1; slot <= 7; ++slot) {
            if (watched == slotButtons[slot - 1])
                m_hoverSlot = enter ? slot : -1;
        }
        if (watched == m_ui->toolButton_ExplainInfo || watched == m_ui->toolButton_ExplainInfo02) {
            if (leave) {
                if (m_explainTip)
                    m_explainTip->hide();
            } else if (watched == m_ui->toolButton_ExplainInfo) {
                showKeyModeExplain();
            } else {
                showKeyTypeExplain();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DSeniorKeysPage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && m_hoverSlot != -1 && m_currentRow)
        clearHoveredSlot();
    QDialog::mousePressEvent(event);
}

void DSeniorKeysPage::clearHoveredSlot()
{
    SeniorKeyInfoStu &info = m_currentInfo;
    char *dksFields[] = {info.key1, info.key2, info.key3, info.key4};
    QAbstractButton *dksButtons[] = {m_ui->toolButton_SeniorKey01, m_ui->toolButton_SeniorKey02,
                                     m_ui->toolButton_SeniorKey03, m_ui->toolButton_SeniorKey04};
    switch (m_hoverSlot) {
    case 1:
    case 2:
    case 3:
    case 4:
        SeniorKeyRecord::writeField(dksFields[m_hoverSlot - 1], sizeof(info.key1), QByteArray());
        dksButtons[m_hoverSlot - 1]->setText(QString());
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(info);
        break;
    case 5:
        SeniorKeyRecord::writeField(info.key1, sizeof(info.key1), QByteArray());
        m_ui->toolButton_HoldKey->setText(QString());
        break;
    case 6:
        SeniorKeyRecord::writeField(info.key2, sizeof(info.key2), QByteArray());
        m_ui->toolButton_ClickKey->setText(QString());
        break;
    case 7:
        SeniorKeyRecord::writeField(info.key1, sizeof(info.key1), QByteArray());
        info.tglSet = 0;
        m_ui->toolButton_TglKey->setText(QString());
        break;
    default: return;
    }
    m_currentRow->setSeniorKeyInfo(m_currentInfo);
    saveCurrentKey();
}

// ---- Hold time and grid ----

void DSeniorKeysPage::onSliderHoldDurationValue(int HoldDurationValue)
{
    m_ui->label_HoldDuration->setText(QString::number(HoldDurationValue * 10) + "ms");
}

void DSeniorKeysPage::onSliderHoldDurationReleased()
{
    if (!m_currentRow)
        return;
    m_currentInfo.holdMs = m_ui->horizontalSlider_HoldDuration->value() * 10;
    m_currentRow->setSeniorKeyInfo(m_currentInfo);
    saveCurrentKey();
}

void DSeniorKeysPage::onDksPageMouseMovePointXY(int posX, int posY)
{
    Q_UNUSED(posX);
    Q_UNUSED(posY);
}

// Without a selected key the grid shows no record of the list: its edits are not saved.
void DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS()
{
    if (!m_currentRow || !m_dksShowWidget)
        return;
    m_currentInfo = m_dksShowWidget->getSeniorKeyInfo();
    saveCurrentKey();
}

// ---- Travel points ----

void DSeniorKeysPage::onLickActivited_Stroke01(QString str)
{
    Q_UNUSED(str);
    showStrokeConfigView();
}

void DSeniorKeysPage::onLickActivited_Stroke04(QString str)
{
    Q_UNUSED(str);
    showStrokeConfigView();
}

void DSeniorKeysPage::showStrokeConfigView()
{
    if (!m_strokeOverlay) {
        m_strokeOverlay = new QWidget(this, Qt::FramelessWindowHint);
        m_strokeOverlay->setObjectName("widget");
        m_strokeOverlay->setStyleSheet("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}");
    }
    m_strokeOverlay->resize(size());
    m_strokeOverlay->show();
    m_strokeOverlay->raise();

    auto *view = new DStrokeConfigView(this);
    view->setSeniorKeyInfo(m_currentInfo);
    connect(view, &DStrokeConfigView::sigTheStrokeConfigViewClose, this, &DSeniorKeysPage::onTheStrokeConfigViewClose);
    connect(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged, this, &DSeniorKeysPage::onTheDKSStrokeStuChanged);
    // However the pop-up goes away, the editor is not left dimmed.
    connect(view, &QObject::destroyed, m_strokeOverlay, &QWidget::hide);
    view->move(x() + (width() - view->width()) / 2, y() + (height() - view->height()) / 2);
    view->setWindowModality(Qt::WindowModal);
    view->show();
}

void DSeniorKeysPage::onTheStrokeConfigViewClose()
{
    if (m_strokeOverlay)
        m_strokeOverlay->hide();
}

void DSeniorKeysPage::onTheDKSStrokeStuChanged()
{
    auto *view = qobject_cast<DStrokeConfigView *>(sender());
    if (!view)
        return;
    m_currentInfo = view->getSeniorKeyInfo();
    if (m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfo(m_currentInfo);
    m_seniorKeyMap.insert(m_currentInfo.id, m_currentInfo);
    showTravelLabels(m_currentInfo);
}

// ---- Explanation tips ----

void DSeniorKeysPage::showKeyModeExplain()
{
    showExplainTip(1, m_ui->toolButton_ExplainInfo, 353, 360);
}

void DSeniorKeysPage::showKeyTypeExplain()
{
    showExplainTip(2, m_ui->toolButton_ExplainInfo02, 193, 200);
}

// One tip at a time: the previous one goes when the next is made.
void DSeniorKeysPage::showExplainTip(int kind, QAbstractButton *button, int arrowPosition, int offsetX)
{
    delete m_explainTip;
    m_explainTip = new ArrowWidget(ArrowWidget::ArrowTop);
    m_explainTip->setWidgetSize(395, 320);
    m_explainTip->setArrowPosition(arrowPosition);
    auto *content = new DSeniorKeysRecordExplainDia(kind, this);
    content->setWindowOpacity(1.0);
    m_explainTip->setCenterWidget(content);
    const QPoint point = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_explainTip->move(point - QPoint(offsetX, button->height() - 11));
    m_explainTip->show();
}
