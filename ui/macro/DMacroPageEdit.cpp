// The macro editor's event editing: selection, insert, modify, delete and the moves.
#include "ui/macro/DMacroPage.h"

#include "sdk/store/VorlanXml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/MacroRecords.h"
#include "ui_DMacroPage.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace {

const int RowLimit = 40;

struct MouseButton
{
    const char *name;
    int down;
    int up;
};

const MouseButton LeftButton{"Left Click", 513, 514};
const MouseButton CenterButton{"Center Click", 519, 520};
const MouseButton RightButton{"Right Click", 516, 517};

} // namespace

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    m_ui->lineEdit_PressKey->clear();
    m_selectedEventRow = row;
    const bool down = operateExplain.contains("down");
    m_selectedDirection = down ? "down" : "up";
    m_selectedIsUp = down ? 0 : 1;
    m_selectedMark = row->mark();
    m_selectedPosition = m_eventListLayout->indexOf(row);

    m_ui->lineEdit_DelayNum->setText(delay);
    if (type == "key") {
        m_ui->stackedWidget_Property->setCurrentWidget(m_ui->page_1);
        m_ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == "mouse") {
        m_ui->stackedWidget_Property->setCurrentWidget(m_ui->page_2);
        m_ui->radioButton_MouseEvent->setChecked(true);
    }
    if (type.contains("mouse")) {
        if (keyCode == "513" || keyCode == "514")
            m_ui->radioButton_1left->setChecked(true);
        else if (keyCode == "519" || keyCode == "520")
            m_ui->radioButton_2center->setChecked(true);
        else if (keyCode == "516" || keyCode == "517")
            m_ui->radioButton_3right->setChecked(true);
    } else {
        m_ui->lineEdit_PressKey->setMaxLength(codeName.length());
        m_ui->lineEdit_PressKey->setText(codeName);
    }
    m_eventSelected = true;

    for (DCatchKeyAndMouseItem *each : qAsConst(m_eventRows))
        each->setHighlighted(each->mark() == m_selectedMark && each->operateExplain() != m_selectedDirection);
    row->setHighlighted(true);
    for (DCatchKeyAndMouseItem *each : qAsConst(m_eventRows)) {
        if (each->mark() == m_selectedMark && each->operateExplain() == m_selectedDirection)
            each->setSelected(true);
    }
}

void DMacroPage::on_radioButton_Key_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Mouse);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    m_ui->lineEdit_PressKey->clear();
    m_ui->stackedWidget_Property->setCurrentWidget(m_ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    m_ui->radioButton_1left->setChecked(true);
    m_ui->stackedWidget_Property->setCurrentWidget(m_ui->page_2);
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    if (!m_eventSelected) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    const bool key = m_ui->radioButton_Key->isChecked();
    if (m_enteredKeyName.isEmpty() && key) {
        showNotice(QObject::tr("Please enter a key"));
        return;
    }
    if (m_eventListLayout->count() > RowLimit) {
        showNotice(QObject::tr("The record of events has reached the limit"));
        return;
    }

    const QString mark = QString::number(qMax(0, highestStoredMark() + 1));
    if (m_ui->radioButton_InsertAfter->isChecked())
        m_selectedPosition += 1;
    const int rows = m_eventListLayout->count() - 1;
    const int position = qBound(0, m_selectedPosition, rows);
    if (key) {
        buildEventRow(mark, 0, "key", m_enteredKeyCode, m_enteredKeyName, "down", position);
        buildEventRow(mark, 0, "key", m_enteredKeyCode, m_enteredKeyName, "up", position + 1);
    } else {
        const MouseButton &button = m_ui->radioButton_MouseCenter->isChecked()  ? CenterButton
                                    : m_ui->radioButton_MouseRight->isChecked() ? RightButton
                                                                                : LeftButton;
        buildEventRow(mark, 0, "mouse", button.down, button.name, "down", position);
        buildEventRow(mark, 0, "mouse", button.up, button.name, "up", position + 1);
    }
    rewriteMacroFromRows();
    showNotice(QObject::tr("Insert successful"));
    notifyMacroListChanged();
    m_downCount += 1;
}

void DMacroPage::rewriteMacroFromRows()
{
    const QByteArray index = m_currentMacroIndex.toLatin1();
    CVorlanXML_DeleteMacroNode(m_macroXmlPath, index.constData());
    CVorlanXML_CreateMacroXmlParentNode(m_macroXmlPath, index.constData(), m_currentMacroName.toUtf8().constData());
    m_pendingEvents.clear();
    for (DCatchKeyAndMouseItem *row : shownEventRows())
        m_pendingEvents.push_back(MacroRecords::fillEvent(
            {row->mark(), row->delay(), row->type(), row->keyCode(), row->codeName(), row->operateExplain()}));
    CVorlanXML_AddKeyOrMouseEventItem(m_macroXmlPath, m_pendingEvents, index.constData());
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    if (!m_eventSelected) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    DCatchKeyAndMouseItem *selected = m_selectedEventRow;
    if (!selected)
        return;
    QString keyText = m_ui->lineEdit_PressKey->text();
    const bool keyKind = m_ui->radioButton_KeyboardEvent->isChecked();
    if (keyText.isEmpty() && keyKind) {
        showNotice(QObject::tr("Please enter a key"));
        return;
    }

    QString keyCode;
    QString codeName;
    if (keyText != selected->codeName()) {
        keyCode = QString::number(m_enteredKeyCode);
        codeName = keyText;
    } else {
        keyCode = selected->keyCode();
        m_enteredKeyCode = keyCode.toInt();
        codeName = selected->codeName();
    }
    const QString type = keyKind ? "key" : "mouse";
    const MouseButton *button = nullptr;
    if (!keyKind) {
        if (m_ui->radioButton_1left->isChecked())
            button = &LeftButton;
        else if (m_ui->radioButton_2center->isChecked())
            button = &CenterButton;
        else if (m_ui->radioButton_3right->isChecked())
            button = &RightButton;
        if (button) {
            codeName = button->name;
            keyText = codeName;
        }
    }
    // The field is not read-only: a pasted name longer than the record's field is stored cut, and
    // both rows show what is stored.
    codeName = MacroRecords::fittedCodeName(codeName);
    const auto codeFor = [&](const QString &direction) {
        if (!button)
            return keyCode;
        return QString::number(direction == "down" ? button->down : button->up);
    };

    // An emptied delay field stores the 0 its row shows.
    QString delayText = m_ui->lineEdit_DelayNum->text();
    if (delayText.isEmpty())
        delayText = "0";
    m_totalDelay = m_totalDelay - selected->delay().toInt() + delayText.toInt();
    showTotalDelay();
    selected->setDelay(delayText.toInt());

    const QByteArray index = m_currentMacroIndex.toLatin1();
    const QByteArray mark = m_selectedMark.toLatin1();
    const QString selectedCode = codeFor(selected->operateExplain());
    CVorlanXML_UpdateEventItem(m_macroXmlPath, index.constData(), mark.constData(), m_selectedIsUp,
                               MacroRecords::fillEvent({selected->mark(), delayText, type, selectedCode, codeName,
                                                        selected->operateExplain()}));
    selected->setData(delayText.toInt(), type, selectedCode.toInt(), codeName, selected->operateExplain());

    for (DCatchKeyAndMouseItem *partner : qAsConst(m_eventRows)) {
        if (partner == selected || partner->mark() != m_selectedMark
            || partner->operateExplain() == selected->operateExplain())
            continue;
        const QString partnerCode = codeFor(partner->operateExplain());
        CVorlanXML_UpdateEventItem(m_macroXmlPath, index.constData(), mark.constData(), 1 - m_selectedIsUp,
                                   MacroRecords::fillEvent({partner->mark(), partner->delay(), type, partnerCode,
                                                            codeName, partner->operateExplain()}));
        partner->setData(partner->delay().toInt(), type, partnerCode.toInt(), codeName, partner->operateExplain());
        break;
    }
    showNotice(QObject::tr("Modify successful"));
    notifyMacroListChanged();
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row || !m_eventRows.contains(row))
        return;
    const QString mark = row->mark();
    const auto takeOut = [this](DCatchKeyAndMouseItem *each) {
        m_eventRows.removeAll(each);
        m_eventListLayout->removeWidget(each);
        each->hide();
        each->deleteLater();
        m_totalDelay -= each->delay().toInt();
        showTotalDelay();
    };
    takeOut(row);
    CVorlanXML_DeleteEventItem(m_macroXmlPath, m_currentMacroIndex.toLatin1().constData(), mark.toLatin1().constData());
    for (DCatchKeyAndMouseItem *partner : qAsConst(m_eventRows)) {
        if (partner->mark() == mark) {
            takeOut(partner);
            break;
        }
    }
    notifyMacroListChanged();
    m_eventSelected = false;
    m_downCount -= 1;
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    moveSelectedEvent(true);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    moveSelectedEvent(false);
}

// The row at the remembered position trades places with its neighbour, never passing its own
// partner; the file moves that same row's event.
void DMacroPage::moveSelectedEvent(bool up)
{
    if (!m_eventSelected) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    const int rows = m_eventListLayout->count() - 1;
    const int position = m_selectedPosition;
    const int target = up ? position - 1 : position + 1;
    if (position < 0 || position >= rows || target < 0 || target >= rows)
        return;
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(m_eventListLayout->itemAt(position)->widget());
    auto *neighbour = qobject_cast<DCatchKeyAndMouseItem *>(m_eventListLayout->itemAt(target)->widget());
    if (!row || !neighbour)
        return;
    if (neighbour->mark() == row->mark() && neighbour->operateExplain() != row->operateExplain())
        return;

    m_eventListLayout->removeWidget(row);
    m_eventListLayout->insertWidget(target, row);
    m_selectedPosition = target;
    const int which = row->operateExplain() == "down" ? 0 : 1;
    CVorlanXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, m_currentMacroIndex.toLatin1().constData(),
                                             row->mark().toLatin1().constData(), up ? 1 : 0, which);
    notifyMacroListChanged();
}
