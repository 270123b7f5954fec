// The macro editor's recording: the record button, the key fields and the hook's key and mouse
// events.
#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/MacroRecords.h"
#include "ui_DMacroPage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFocusEvent>
#include <QScrollBar>
#include <QSet>

namespace {

const int PressLimit = 20;
const int RowLimit = 40;

} // namespace

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->frame_Record) {
        if (event->type() == QEvent::Enter)
            m_pointerOnRecordButton = true;
        else if (event->type() == QEvent::Leave)
            m_pointerOnRecordButton = false;
        else if (event->type() == QEvent::MouseButtonRelease)
            toggleRecording();
    } else if (watched == m_ui->lineEdit_EnterKey || watched == m_ui->lineEdit_PressKey) {
        if (event->type() == QEvent::FocusIn) {
            requestFieldHook(true);
        } else if (event->type() == QEvent::FocusOut) {
            // The hook's keyboard grab takes the focus from the whole window: the field still wants
            // its keys. Only a focus that moves elsewhere (another widget, or the window closing)
            // ends the field's use of the hook.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason || !isVisible())
                requestFieldHook(false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A recording under way owns the hook; the fields ask only outside one.
void DMacroPage::requestFieldHook(bool start)
{
    if (m_recording || m_closeAnnounced)
        return;
    if (start == m_fieldHookOn)
        return;
    m_fieldHookOn = start;
    DDataManager::instance()->requestMacroRecordHook(start);
}

void DMacroPage::toggleRecording()
{
    DDataManager *data = DDataManager::instance();
    if (!m_recording) {
        if (!m_currentMacroRow)
            return;
        if (!data->requestMacroRecordHook(true))
            return;
        m_fieldHookOn = false;
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_catchList);
        m_recording = true;
        // A press still open from an earlier recording must not pair with a release in this one.
        m_openPresses.clear();
        m_pendingEvents.clear();
        const int highest = highestStoredMark();
        m_markCounter = highest < 0 ? 0 : highest + 1;
        setRecordButtonRecordingLook();
        showNotice(QObject::tr("Start record macro"));
        m_lastEventTick = 0;
        m_hasEventTick = false;
        m_lastDelay = 0;
        showTotalDelay();
        setPanelsEnabled(false);
        return;
    }

    if (!data->requestMacroRecordHook(false))
        return;
    m_recording = false;
    setRecordButtonIdleLook();
    showNotice(QObject::tr("Stop record macro"));
    saveRecordedEvents();
    m_pendingEvents.clear();
    setPanelsEnabled(true);
    notifyMacroListChanged();
}

void DMacroPage::setRecordButtonRecordingLook()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    QFont font = DDataManager::instance()->getFont(0);
    font.setPointSize(13);
    m_ui->label->setText(QObject::tr("Stop record"));
    m_ui->label->setFont(font);
    m_ui->label->setStyleSheet(QString("QLabel#label{color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->frame_Record->setStyleSheet(
        QString("QFrame#frame_Record{ border-radius: 8px; border: 2px solid rgb(%1);\t}"
                "\t\t\t\t\tQFrame#frame_Record:hover{ border: 2px solid rgb(%2); }\t\t\t\t")
            .arg(theme.TextCheckedColor, theme.TextCheckedColor));
    m_ui->frame_RecordIco->setStyleSheet("border-image:url(:/images/macro/recordSel.png);");
}

void DMacroPage::setPanelsEnabled(bool enabled)
{
    for (QWidget *panel : {static_cast<QWidget *>(m_ui->frame_Right), static_cast<QWidget *>(m_ui->frame_Center),
                           static_cast<QWidget *>(m_ui->frame_29), static_cast<QWidget *>(m_ui->frame_34)})
        panel->setEnabled(enabled);
}

int DMacroPage::highestStoredMark()
{
    std::list<MacroEvent> events;
    CVorlanXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, m_currentMacroIndex.toLatin1().constData(), &events);
    int highest = -1;
    for (const MacroEvent &event : events)
        highest = qMax(highest, MacroRecords::eventFields(event).mark.toInt());
    return highest;
}

// Events of a recording whose press or release did not make it (held across the stop, or
// dropped at the row limit) are left out: the macro keeps one down before one up per mark.
void DMacroPage::saveRecordedEvents()
{
    QSet<QString> downs;
    QSet<QString> ups;
    for (const MacroEvent &event : m_pendingEvents) {
        const MacroEventFields fields = MacroRecords::eventFields(event);
        (fields.operateExplain == "down" ? downs : ups).insert(fields.mark);
    }
    std::list<MacroEvent> paired;
    for (const MacroEvent &event : m_pendingEvents) {
        const QString mark = MacroRecords::eventFields(event).mark;
        if (downs.contains(mark) && ups.contains(mark))
            paired.push_back(event);
        else
            qWarning().noquote() << "[DMacroPage] recorded event of mark" << mark << "has no partner: not stored";
    }
    CVorlanXML_AddKeyOrMouseEventItem(m_macroXmlPath, paired, m_currentMacroIndex.toLatin1().constData());
    onMacroItemMouseClicked(m_currentMacroIndex, m_currentMacroName);
}

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    const MacroKeyRules::HookKey key = MacroKeyRules::normaliseKey(keyCode, scCode, flag == 1, hookFlag);
    if (m_downCount >= PressLimit && key.press) {
        showNotice(QObject::tr("The record of events has reached the limit"));
        return;
    }
    const int code = m_virtualKeyMap.value(key.virtualKey, -1);
    const QString name = m_keyNameMap.value(code);

    if (!m_recording) {
        enterKeyName(name, code);
        return;
    }
    if (key.press) {
        ++m_downCount;
        recordKeyDown(name, code);
        return;
    }
    m_releaseCode = code;
    m_releaseName = name;
    if (m_openPresses.contains(code)) {
        m_releaseMark = m_openPresses.take(code);
        recordKeyUp();
    }
}

void DMacroPage::enterKeyName(const QString &name, int code)
{
    m_enteredKeyName = name;
    m_enteredKeyCode = code;
    // The editor's focus widget, which stays while the hook's keyboard grab deactivates the window.
    QLineEdit *field = focusWidget() == m_ui->lineEdit_EnterKey ? m_ui->lineEdit_EnterKey : m_ui->lineEdit_PressKey;
    field->setMaxLength(name.length());
    field->setText(name);
}

void DMacroPage::onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(nCode);
    const int message = int(wParam);
    if (!m_recording) {
        // A key field's hook grabs the keyboard, so the window loses the focus: a press outside
        // the editor is the user leaving the field.
        const auto *where = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        if (m_fieldHookOn && where && MacroKeyRules::isMouseButtonPress(message)
            && !frameGeometry().contains(QPoint(where->pt.x, where->pt.y))) {
            if (QWidget *field = focusWidget())
                field->clearFocus();
            requestFieldHook(false);
        }
        return;
    }
    if (m_pointerOnRecordButton)
        return;
    const QString name = MacroKeyRules::mouseButtonName(message);
    if (MacroKeyRules::isMouseButtonPress(message))
        recordMouseDown(name, message);
    else if (MacroKeyRules::isMouseButtonRelease(message))
        recordMouseUp(name, message);
}

quint32 DMacroPage::measureDelay()
{
    const quint32 now = m_ticks();
    if (m_hasEventTick)
        m_lastDelay = int(qMin<quint32>(MacroKeyRules::ticksBetween(m_lastEventTick, now), 0x7FFFFFFF));
    m_lastEventTick = now;
    m_hasEventTick = true;
    return quint32(m_lastDelay);
}

void DMacroPage::recordKeyDown(QString codeName, int keyCode)
{
    m_openPresses.insert(keyCode, ++m_markCounter);
    measureDelay();
    appendRecordedEvent(QString::number(m_markCounter), m_lastDelay, "key", keyCode, codeName, "down");
}

void DMacroPage::recordMouseDown(QString codeName, int message)
{
    m_openPresses.insert(message, ++m_markCounter);
    measureDelay();
    appendRecordedEvent(QString::number(m_markCounter), m_lastDelay, "mouse", message, codeName, "down");
}

void DMacroPage::recordKeyUp()
{
    measureDelay();
    appendRecordedEvent(QString::number(m_releaseMark), m_lastDelay, "key", m_releaseCode, m_releaseName, "up");
}

void DMacroPage::recordMouseUp(QString codeName, int message)
{
    if (!m_openPresses.contains(message - 1))
        return;
    m_releaseMark = m_openPresses.take(message - 1);
    measureDelay();
    appendRecordedEvent(QString::number(m_releaseMark), m_lastDelay, "mouse", message, codeName, "up");
}

void DMacroPage::appendRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                                     QString operateExplain)
{
    if (m_eventListLayout->count() > RowLimit) {
        showNotice(QObject::tr("The record of events has reached the limit"));
        return;
    }
    if (m_ui->radioButton_NoDelay->isChecked())
        delay = 0;
    else if (m_ui->radioButton_DefaultDelay->isChecked())
        delay = m_ui->lineEdit_DefaultDelayNum->text().toInt();
    delay = MacroKeyRules::storedDelay(delay);

    m_pendingEvents.push_back(MacroRecords::fillEvent(
        {mark, QString::number(delay), type, QString::number(keyCode), codeName, operateExplain}));
    m_totalDelay += delay;
    showTotalDelay();
    buildEventRow(mark, delay, type, keyCode, codeName, operateExplain, m_eventListLayout->count() - 1);
    QScrollBar *bar = m_ui->scrollArea_3->verticalScrollBar();
    bar->setValue(bar->maximum() + 40);
}

void DMacroPage::showTotalDelay()
{
    m_ui->label_TotalTime->setText(QString("%1 MS").arg(m_totalDelay));
}
