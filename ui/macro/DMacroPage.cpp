#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/MacroRecords.h"
#include "ui/mainwidget/devicePage/profileOps/QtProfileDialogProvider.h"
#include "ui_DMacroPage.h"
#include "widgets/CbNotice.h"
#include "widgets/WindowShapeMask.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QIntValidator>
#include <QRegExpValidator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

DMacroPage::DMacroPage(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DMacroPage)
    , m_ownDialogs(std::make_unique<QtProfileDialogProvider>())
    , m_dialogs(m_ownDialogs.get())
    , m_ticks(MacroKeyRules::systemTicks())
{
    m_ui->setupUi(this);
    setConstructorTexts();
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(1050, 690);
    WindowShapeMask::followRoundedFrame(m_ui->frame_Bg, 12);

    // The insert panel offers key and mouse events only.
    m_ui->radioButton_Delay->hide();
    m_desktopDir = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    m_notice = new CbNotice(this);
    m_notice->setPixelSize(14);
    clearMacroList();
    clearEventList();

    auto *delayModes = new QButtonGroup(this);
    delayModes->setExclusive(true);
    delayModes->addButton(m_ui->radioButton_RecordDelay, 0);
    delayModes->addButton(m_ui->radioButton_NoDelay, 1);
    delayModes->addButton(m_ui->radioButton_DefaultDelay, 2);
    m_ui->radioButton_InsertAfter->setChecked(true);
    m_ui->radioButton_Key->setChecked(true);
    m_ui->radioButton_MouseLeft->setChecked(true);

    setRecordButtonIdleLook();

    // The digits-only validator goes first; the shared range validator replaces it.
    const QRegExp digits("[0-9]+$");
    auto *delayRange = new QIntValidator(0, 65535, this);
    for (QLineEdit *edit : {m_ui->lineEdit_EnterDelayNum, m_ui->lineEdit_DelayNum, m_ui->lineEdit_DefaultDelayNum}) {
        edit->setValidator(new QRegExpValidator(digits, edit));
        edit->setValidator(delayRange);
    }

    m_ui->radioButton_RecordDelay->setChecked(true);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Key);

    m_ui->frame_Record->installEventFilter(this);
    m_ui->frame_Record->setCursor(Qt::PointingHandCursor);
    m_ui->lineEdit_EnterKey->installEventFilter(this);
    m_ui->lineEdit_PressKey->installEventFilter(this);

    // Direct: both run inside the hook procedure; the mouse record is valid only during the call.
    DDataManager *data = DDataManager::instance();
    connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardRecviveStream,
            Qt::DirectConnection);
    connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse, this, &DMacroPage::onMouseRecviveStream,
            Qt::DirectConnection);
    m_keyNameMap = data->getKeyNameMap();
    m_virtualKeyMap = data->getVirtualKeyMap();

    applyTheme();
    QTimer::singleShot(200, this, &DMacroPage::onLoadMacroList);
}

DMacroPage::~DMacroPage()
{
    delete m_ui;
}

// Set after the form's own texts, so these are the ones shown.
void DMacroPage::setConstructorTexts()
{
    m_ui->pushButton_Import->setToolTip(QObject::tr("Import"));
    m_ui->pushButton_Add->setToolTip(QObject::tr("Create"));
    m_ui->pushButton_ClearMacroLst->setToolTip(QObject::tr("Clear"));
    m_ui->pushButton_MoveUp->setToolTip(QObject::tr("Up"));
    m_ui->pushButton_MoveDown->setToolTip(QObject::tr("Down"));
    m_ui->label_Title->setText(QObject::tr("Macro Record"));
    m_ui->label_MacroGroup->setText(QObject::tr("Macro Group"));
    m_ui->label_10->setText(QObject::tr("Delay Setting"));
    m_ui->radioButton_RecordDelay->setText(QObject::tr("Recording delay"));
    m_ui->radioButton_NoDelay->setText(QObject::tr("No delay"));
    m_ui->radioButton_DefaultDelay->setText(QObject::tr("Default delay"));
    m_ui->label->setText(QObject::tr("Start record"));
    m_ui->label_12->setText(QObject::tr("Event List"));
    m_ui->label_14->setText(QObject::tr("Record is empty"));
    m_ui->label_InsertMacro->setText(QObject::tr("Insert Event"));
    m_ui->label_5->setText(QObject::tr("Position"));
    m_ui->radioButton_InsertAfter->setText(QObject::tr("Insert event after"));
    m_ui->radioButton_InsertBefore->setText(QObject::tr("Insert event before"));
    m_ui->label_6->setText(QObject::tr("Event"));
    m_ui->radioButton_Key->setText(QObject::tr("Keyboard Event"));
    m_ui->radioButton_Mouse->setText(QObject::tr("Mouse Event"));
    m_ui->label_7->setText(QObject::tr("Operate"));
    m_ui->lineEdit_EnterKey->setPlaceholderText(QObject::tr("Please enter a key"));
    m_ui->lineEdit_PressKey->setPlaceholderText(QObject::tr("Please enter a key"));
    m_ui->pushButton_InsertMacro->setText(QObject::tr("Insert"));
    m_ui->label_Property->setText(QObject::tr("Property"));
    m_ui->label_2->setText(QObject::tr("Delay"));
    m_ui->label_4->setText(QObject::tr("Event"));
    m_ui->radioButton_KeyboardEvent->setText(QObject::tr("Keyboard Event"));
    m_ui->radioButton_MouseEvent->setText(QObject::tr("Mouse Event"));
    m_ui->label_3->setText(QObject::tr("Press Key"));
    m_ui->pushButton_ModifyMacro->setText(QObject::tr("Modify"));
    m_ui->radioButton_MouseLeft->setText(QObject::tr("Left Click"));
    m_ui->radioButton_1left->setText(QObject::tr("Left Click"));
    m_ui->radioButton_MouseCenter->setText(QObject::tr("Center Click"));
    m_ui->radioButton_2center->setText(QObject::tr("Center Click"));
    m_ui->radioButton_MouseRight->setText(QObject::tr("Right Click"));
    m_ui->radioButton_3right->setText(QObject::tr("Right Click"));
}

void DMacroPage::setRecordButtonIdleLook()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    QFont font = DDataManager::instance()->getFont(0);
    font.setPointSize(13);
    m_ui->label->setText(QObject::tr("Start record"));
    m_ui->label->setFont(font);
    m_ui->label->setStyleSheet(QString("QLabel#label{color: rgb(%1);}").arg(theme.TextDefaultColor));
    m_ui->frame_Record->setStyleSheet(
        QString("QFrame#frame_Record{ border-radius: 8px; border: 2px solid rgb(%1);\t}"
                "\t\t\t\t\tQFrame#frame_Record:hover{ border: 2px solid rgb(%2); }\t\t\t\t")
            .arg(theme.MacroBorderColor, theme.TextCheckedColor));
    m_ui->frame_RecordIco->setStyleSheet("border-image:url(:/images/macro/recordDef.png);");
}

void DMacroPage::setMacroXmlPath(const char *path)
{
    MacroRecords::storePath(m_macroXmlPath, sizeof m_macroXmlPath, path, "DMacroPage");
}

// ---- Macro list ----

void DMacroPage::onLoadMacroList()
{
    loadMacroList();
}

void DMacroPage::loadMacroList()
{
    clearMacroList();
    m_macroRows.clear();
    m_currentMacroRow = nullptr;

    MacroNode nodes;
    CVorlanXML_SelectMacroAllNodes(m_macroXmlPath, &nodes);
    if (nodes.empty())
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_isEmpty);

    for (const auto &node : nodes) {
        const QString index = QString::fromStdString(node.first);
        const QString name = QString::fromStdString(node.second);
        auto *row = new DMacroListItem(m_ui->scrollAreaWidgetContents_2);
        connect(row, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
        connect(row, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
        connect(row, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
        connect(row, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
        connect(row, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
        row->setMacroXmlPath(m_macroXmlPath);
        row->setMacroIndexAndName(index, name);
        m_macroListLayout->insertWidget(m_macroListLayout->count() - 1, row);
        if (!m_currentMacroRow) {
            m_currentMacroRow = row;
            row->setSelected(true);
            m_currentMacroIndex = index;
            m_currentMacroName = name;
        }
        m_macroRows.append(row);
    }
    if (m_currentMacroRow)
        onMacroItemMouseClicked(m_currentMacroIndex, m_currentMacroName);
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (m_recording)
        return;
    DMacroListItem *row = nullptr;
    if (m_selectFirstRow && !m_macroRows.isEmpty()) {
        row = m_macroRows.first();
        m_selectFirstRow = false;
    } else {
        row = qobject_cast<DMacroListItem *>(sender());
    }
    if (row && row != m_currentMacroRow) {
        for (DMacroListItem *each : qAsConst(m_macroRows))
            each->setSelected(each == row);
        m_selectedPosition = 0;
        m_currentMacroRow = row;
        m_pendingEvents.clear();
    }

    m_eventSelected = false;
    m_currentMacroIndex = strMacroIndex;
    m_currentMacroName = strMacroName;
    m_downCount = 0;
    m_lastEventTick = 0;
    m_lastDelay = 0;
    m_totalDelay = 0;
    clearEventList();
    m_eventRows.clear();
    m_ui->label_TotalTime->setText("0 MS");

    // Read anew each time: the file is the truth, also for the row that is already current.
    std::list<MacroEvent> events;
    const bool read =
        CVorlanXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, strMacroIndex.toLatin1().constData(), &events);
    if (!read || events.empty()) {
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_isEmpty);
        return;
    }
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_catchList);
    for (const MacroEvent &event : events) {
        const MacroEventFields fields = MacroRecords::eventFields(event);
        if (fields.operateExplain == "down")
            ++m_downCount;
        const int delay = fields.delay.toInt();
        buildEventRow(fields.mark, delay, fields.type, fields.keyCode.toInt(), fields.codeName, fields.operateExplain,
                      m_eventListLayout->count() - 1);
        m_lastDelay = delay;
        m_totalDelay += delay;
    }
    m_ui->label_TotalTime->setText(QString("%1 MS").arg(m_totalDelay));
    m_ui->scrollArea_3->verticalScrollBar()->setValue(0);
}

void DMacroPage::on_pushButton_Add_clicked()
{
    if (m_macroXmlPath[0] == '\0') {
        qWarning().noquote() << "[DMacroPage] no macro file: nothing added";
        return;
    }
    MacroNode nodes;
    CVorlanXML_SelectMacroAllNodes(m_macroXmlPath, &nodes);
    const int index = MacroRecords::firstFreeIndex(nodes);
    const QString name = QString("Macro%1").arg(index);
    CVorlanXML_CreateMacroXmlParentNode(m_macroXmlPath, QByteArray::number(index).constData(),
                                        name.toLatin1().constData());
    loadMacroList();
    showNotice(QObject::tr("Add macro successful"));
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName);
    if (m_recording)
        return;
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (!row)
        return;
    // The row's menu is still delivering the click: the row goes once control is back in the loop.
    m_macroListLayout->removeWidget(row);
    row->deleteLater();
    CVorlanXML_DeleteMacroNode(m_macroXmlPath, strMacroIndex.toLatin1().constData());
    m_macroRows.removeAll(row);
    showNotice(QObject::tr("Delete macro successful"));

    if (strMacroIndex != m_currentMacroIndex)
        return;
    m_currentMacroRow = nullptr;
    MacroNode nodes;
    CVorlanXML_SelectMacroAllNodes(m_macroXmlPath, &nodes);
    if (!nodes.empty()) {
        m_selectFirstRow = true;
        onMacroItemMouseClicked(QString::fromStdString(nodes.front().first),
                                QString::fromStdString(nodes.front().second));
        return;
    }
    m_currentMacroIndex.clear();
    m_currentMacroName.clear();
    clearEventList();
    m_eventRows.clear();
    m_pendingEvents.clear();
    m_eventSelected = false;
    m_ui->label_TotalTime->setText("0 MS");
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_isEmpty);
    emit sigMacroListHaveChanged(QString(), QString());
    m_downCount = 0;
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (m_currentMacroName.isEmpty()) {
        showNotice(QObject::tr("Please select a macro first"));
        return;
    }
    clearEventList();
    m_eventRows.clear();
    const QByteArray index = m_currentMacroIndex.toLatin1();
    CVorlanXML_DeleteMacroNode(m_macroXmlPath, index.constData());
    CVorlanXML_CreateMacroXmlParentNode(m_macroXmlPath, index.constData(), m_currentMacroName.toUtf8().constData());
    m_pendingEvents.clear();
    m_eventSelected = false;
    m_ui->label_TotalTime->setText("0 MS");
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_isEmpty);
    showNotice(QObject::tr("Clear record macro successful"));
    notifyMacroListChanged();
    m_downCount = 0;
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(QObject::tr("Macro name can't be empty"));
}

// A later Clear or rewrite re-creates the current macro under currentMacroName, so a rename of
// the current row must reach it.
void DMacroPage::onModifyMacroItemNameSuccess()
{
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (row && row == m_currentMacroRow)
        m_currentMacroName = row->macroName();
    showNotice(QObject::tr("Modify macro name successful"));
}

void DMacroPage::notifyMacroListChanged()
{
    emit sigMacroListHaveChanged(m_currentMacroIndex, m_currentMacroName);
}

// ---- Event list ----

DCatchKeyAndMouseItem *DMacroPage::buildEventRow(const QString &mark, int delay, const QString &type, int keyCode,
                                                 const QString &codeName, const QString &operateExplain, int position)
{
    auto *row = new DCatchKeyAndMouseItem(mark, m_ui->scrollAreaWidgetContents_3);
    row->setData(delay, type, keyCode, codeName, operateExplain);
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    m_eventListLayout->insertWidget(position, row);
    m_eventRows.append(row);
    return row;
}

void DMacroPage::insertEventRow(QString mark, int delay, QString type, int keyCode, QString codeName,
                                QString operateExplain, int position)
{
    buildEventRow(mark, delay, type, keyCode, codeName, operateExplain, position);
}

namespace {
// Rows leave their layout at once and are destroyed once control is back in the event loop;
// the closing spacer stays the last item.
void takeRowsOut(QVBoxLayout *list)
{
    const int rows = list->count() - 1;
    for (int i = 0; i < rows; ++i) {
        QLayoutItem *item = list->takeAt(0);
        if (item->widget())
            item->widget()->deleteLater();
        delete item;
    }
}
} // namespace

void DMacroPage::clearMacroList()
{
    m_macroListLayout = m_ui->verticalLayout_17;
    takeRowsOut(m_macroListLayout);
}

void DMacroPage::clearEventList()
{
    m_eventListLayout = m_ui->verticalLayout_20;
    takeRowsOut(m_eventListLayout);
}

void DMacroPage::showNotice(const QString &text)
{
    m_notice->showNotice(text, rect().center());
}

// ---- Closing and size ----

void DMacroPage::announceClose()
{
    if (m_closeAnnounced)
        return;
    m_closeAnnounced = true;
    DDataManager::instance()->requestMacroRecordHook(false);
    emit sigMacroPageClose();
}

void DMacroPage::on_pushButton_Close_clicked()
{
    announceClose();
    close();
}

void DMacroPage::reject()
{
    announceClose();
    close();
}

// Also a close that reaches only this event (the window system's) releases the hook and the
// main window's overlay.
void DMacroPage::closeEvent(QCloseEvent *event)
{
    qDebug().noquote() << "------------------------- *** [DMacroPage] closeEvent *** -------------------------";
    announceClose();
    event->accept();
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int tenth = contentsRect().width() / 10;
    m_ui->frame_Left->setMaximumWidth(tenth * 3);
    m_ui->frame_Center->setMaximumWidth(tenth * 4);
    m_ui->frame_Right->setMaximumWidth(tenth * 3);
}

void DMacroPage::onScrollAreaValueChanged(int value)
{
    Q_UNUSED(value);
}

QList<DCatchKeyAndMouseItem *> DMacroPage::shownEventRows() const
{
    QList<DCatchKeyAndMouseItem *> rows;
    for (int i = 0; i < m_eventListLayout->count(); ++i) {
        if (auto *row = qobject_cast<DCatchKeyAndMouseItem *>(m_eventListLayout->itemAt(i)->widget()))
            rows.append(row);
    }
    return rows;
}

void DMacroPage::setDialogProvider(ProfileDialogProvider *dialogs)
{
    m_dialogs = dialogs ? dialogs : m_ownDialogs.get();
}

void DMacroPage::setTickSource(MacroKeyRules::TickSource ticks)
{
    m_ticks = std::move(ticks);
}
