#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/MacroRecords.h"
#include "widgets/CbNotice.h"
#include "widgets/DSoftKeyboardPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

const int VkA = 65;
const int VkB = 66;

QList<QStringList> shown(DMacroPage *page)
{
    QList<QStringList> rows;
    for (DCatchKeyAndMouseItem *row : page->shownEventRows())
        rows << QStringList({row->mark(), row->delay(), row->type(), row->keyCode(), row->operateExplain()});
    return rows;
}

QList<QStringList> stored(const QByteArray &file, const QString &index)
{
    QList<QStringList> rows;
    for (const MacroEvent &event : MacroFileFixture::events(file, index)) {
        const MacroEventFields f = MacroRecords::eventFields(event);
        rows << QStringList({f.mark, f.delay, f.type, f.keyCode, f.operateExplain});
    }
    return rows;
}

void key(int vk, bool press, int hookFlag = -1)
{
    if (hookFlag < 0)
        hookFlag = press ? 0x00 : 0x80;
    DDataManager::instance()->relayMacroKeyboardEvent(vk, 0x1E, press ? 1 : 0, hookFlag);
}

void mouse(int message, int x = 5000, int y = 5000)
{
    MSLLHOOKSTRUCT record{};
    record.pt.x = x;
    record.pt.y = y;
    DDataManager::instance()->relayMacroMouseEvent(HC_ACTION, WPARAM(message), reinterpret_cast<LPARAM>(&record));
}

void sendTo(QWidget *widget, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

// Recording into a macro through the data manager's relays, on a tick the test sets.
class tst_MacroRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void marksFollowTheStoredOnes_data();
    void marksFollowTheStoredOnes();
    void delaysAreMeasuredCappedOrSet();
    void startRefusedByTheHookDoesNothing();
    void releasesNeedTheirPress();
    void pressHeldAcrossAStopDoesNotLeak();
    void clicksOnTheRecordButtonAreNotRecorded();
    void pressLimitHoldsKeysOnly();
    void rowLimitDropsEventsAndKeepsPairs();
    void closingWhileRecordingWritesNothing();
    void keyFieldFocusDuringRecordingLeavesTheHook();
    void keyFieldsTakeNamesOutsideARecording();

private:
    DMacroPage *openEditor();
    QWidget *recordButton() const { return m_page->findChild<QWidget *>("frame_Record"); }
    void clickRecordButton();
    QString toast() const { return m_page->findChild<CbNotice *>()->text(); }

    std::unique_ptr<HookRequestRecorder> m_hook;
    std::unique_ptr<DSoftKeyboardPage> m_keyboard;
    QPointer<DMacroPage> m_page;
    QByteArray m_file;
    quint32 m_now = 0;
};

void tst_MacroRecording::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    m_hook = std::make_unique<HookRequestRecorder>();
    // The on-screen keyboard fills the key tables the editor names keys with.
    m_keyboard = std::make_unique<DSoftKeyboardPage>();
    m_keyboard->loadKeyboardInfo("any");
    QCOMPARE(DDataManager::instance()->getVirtualKeyMap().value(VkA), 4);
    QCOMPARE(DDataManager::instance()->getKeyNameMap().value(4), QString("A"));
}

void tst_MacroRecording::init()
{
    m_file = MacroFileFixture::freshFile("appMacro.xml");
    m_hook->starts = 0;
    m_hook->stops = 0;
    m_hook->refuse = false;
    m_now = 1000;
}

void tst_MacroRecording::cleanup()
{
    delete m_page;
}

DMacroPage *tst_MacroRecording::openEditor()
{
    m_page = new DMacroPage;
    m_page->setMacroXmlPath(m_file.constData());
    m_page->setTickSource([this] { return m_now; });
    m_page->show();
    const bool loaded = QTest::qWaitFor([&] { return !m_page->macroRows().isEmpty(); });
    return loaded ? m_page.data() : nullptr;
}

void tst_MacroRecording::clickRecordButton()
{
    QTest::mouseClick(recordButton(), Qt::LeftButton);
}

void tst_MacroRecording::marksFollowTheStoredOnes_data()
{
    QTest::addColumn<QString>("storedMark");
    QTest::addColumn<QString>("firstMark");
    QTest::newRow("empty macro") << QString() << "1";
    QTest::newRow("largest stored 7") << "7"
                                      << "9";
}

void tst_MacroRecording::marksFollowTheStoredOnes()
{
    QFETCH(QString, storedMark);
    QFETCH(QString, firstMark);
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    if (!storedMark.isEmpty()) {
        MacroFileFixture::addPress(m_file, "1", "2", 0, 10);
        MacroFileFixture::addPress(m_file, "1", storedMark, 20, 30);
    }
    DMacroPage *page = openEditor();
    QVERIFY(page);
    QSignalSpy changed(page, &DMacroPage::sigMacroListHaveChanged);

    clickRecordButton();
    QVERIFY(page->isRecording());
    QCOMPARE(m_hook->starts, 1);
    QCOMPARE(toast(), QString("Start record macro"));
    QCOMPARE(page->findChild<QLabel *>("label")->text(), QString("Stop record"));
    QCOMPARE(page->findChild<QLabel *>("label")->font().pointSize(), 13);
    QVERIFY(page->findChild<QWidget *>("frame_RecordIco")->styleSheet().contains("recordSel.png"));
    const QString checked = DDataManager::instance()->getThemeInfo().TextCheckedColor;
    QCOMPARE(recordButton()->styleSheet(),
             QString("QFrame#frame_Record{ border-radius: 8px; border: 2px solid rgb(%1);\t}\t\t\t\t\t"
                     "QFrame#frame_Record:hover{ border: 2px solid rgb(%1); }\t\t\t\t")
                 .arg(checked));
    for (const char *panel : {"frame_Right", "frame_Center", "frame_29", "frame_34"})
        QVERIFY2(!page->findChild<QWidget *>(panel)->isEnabled(), panel);
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget_2")->currentWidget()->objectName(),
             QString("page_catchList"));

    key(VkA, true);
    key(VkB, true);
    key(VkA, false);
    key(VkB, false);
    QTRY_VERIFY(page->eventRows().last()->isVisible());
    clickRecordButton();
    QVERIFY(!page->isRecording());
    QCOMPARE(m_hook->stops, 1);
    QCOMPARE(toast(), QString("Stop record macro"));
    QCOMPARE(page->findChild<QLabel *>("label")->text(), QString("Start record"));
    QVERIFY(page->findChild<QWidget *>("frame_RecordIco")->styleSheet().contains("recordDef.png"));
    QVERIFY(page->findChild<QWidget *>("frame_Center")->isEnabled());
    QCOMPARE(changed.size(), 1);

    const QString second = QString::number(firstMark.toInt() + 1);
    const QList<QStringList> expected{{firstMark, "0", "key", "4", "down"},
                                      {second, "0", "key", "5", "down"},
                                      {firstMark, "0", "key", "4", "up"},
                                      {second, "0", "key", "5", "up"}};
    const QList<QStringList> all = stored(m_file, "1");
    QCOMPARE(all.mid(all.size() - 4), expected);
    QCOMPARE(shown(page), all);
}

void tst_MacroRecording::delaysAreMeasuredCappedOrSet()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addPress(m_file, "1", "1", 0, 40);
    DMacroPage *page = openEditor();
    QVERIFY(page);
    QCOMPARE(page->findChild<QLabel *>("label_TotalTime")->text(), QString("40 MS"));

    m_now = 0xFFFFFF00u;
    clickRecordButton();
    key(VkA, true); // first of the recording: 0
    m_now += 0x180; // across the wrap
    key(VkA, false);
    m_now += 70000; // capped
    key(VkB, true);
    m_now += 250;
    key(VkB, false);
    clickRecordButton();
    QCOMPARE(page->findChild<QLabel *>("label_TotalTime")->text(), QString("%1 MS").arg(40 + 0x180 + 65535 + 250));

    page->findChild<QRadioButton *>("radioButton_NoDelay")->click();
    clickRecordButton();
    key(VkA, true);
    m_now += 500;
    key(VkA, false);
    clickRecordButton();

    page->findChild<QRadioButton *>("radioButton_DefaultDelay")->click();
    QCOMPARE(page->findChild<QLineEdit *>("lineEdit_DefaultDelayNum")->text(), QString("100"));
    clickRecordButton();
    key(VkA, true);
    m_now += 500;
    key(VkA, false);
    clickRecordButton();

    QStringList delays;
    for (const QStringList &event : stored(m_file, "1"))
        delays << event.at(1);
    QCOMPARE(delays, QStringList({"0", "40", "0", "384", "65535", "250", "0", "0", "100", "100"}));
    QCOMPARE(shown(page), stored(m_file, "1"));
}

void tst_MacroRecording::startRefusedByTheHookDoesNothing()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    QSignalSpy changed(page, &DMacroPage::sigMacroListHaveChanged);
    m_hook->refuse = true;
    clickRecordButton();
    QVERIFY(!page->isRecording());
    QCOMPARE(toast(), QString());
    QCOMPARE(page->findChild<QLabel *>("label")->text(), QString("Start record"));
    QVERIFY(page->findChild<QWidget *>("frame_Center")->isEnabled());
    QCOMPARE(changed.size(), 0);
}

void tst_MacroRecording::releasesNeedTheirPress()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    clickRecordButton();
    key(VkB, false);
    mouse(517);
    key(VkA, true);
    mouse(513);
    key(VkA, false);
    mouse(517); // not the released button's press
    mouse(514);
    clickRecordButton();
    const QList<QStringList> expected{{"1", "0", "key", "4", "down"},
                                      {"2", "0", "mouse", "513", "down"},
                                      {"1", "0", "key", "4", "up"},
                                      {"2", "0", "mouse", "514", "up"}};
    QCOMPARE(stored(m_file, "1"), expected);
    QCOMPARE(page->eventRows().at(1)->codeName(), QString("Left Click"));
}

void tst_MacroRecording::pressHeldAcrossAStopDoesNotLeak()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addMacro(m_file, "2", "Macro2");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    clickRecordButton();
    key(VkA, true);
    key(VkB, true);
    key(VkB, false);
    clickRecordButton(); // A still held
    // The held press has no release: it is not stored, so the macro keeps its pairs.
    QCOMPARE(stored(m_file, "1"), (QList<QStringList>{{"2", "0", "key", "5", "down"}, {"2", "0", "key", "5", "up"}}));

    QTest::mousePress(page->macroRows().at(1)->findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    QCOMPARE(page->currentMacroIndex(), QString("2"));
    clickRecordButton();
    key(VkA, false); // the release of the earlier press
    QVERIFY(page->eventRows().isEmpty());
    key(VkB, true);
    key(VkB, false);
    clickRecordButton();
    QCOMPARE(stored(m_file, "2"), (QList<QStringList>{{"1", "0", "key", "5", "down"}, {"1", "0", "key", "5", "up"}}));
}

void tst_MacroRecording::clicksOnTheRecordButtonAreNotRecorded()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    sendTo(recordButton(), QEvent::Enter);
    QTest::mouseClick(recordButton(), Qt::LeftButton);
    QVERIFY(page->isRecording());
    mouse(513);
    mouse(514);
    sendTo(recordButton(), QEvent::Leave);
    mouse(516);
    mouse(517);
    sendTo(recordButton(), QEvent::Enter);
    mouse(513); // the stopping click as the hook reports it
    QTest::mouseClick(recordButton(), Qt::LeftButton);
    mouse(514);
    QVERIFY(!page->isRecording());
    QCOMPARE(stored(m_file, "1"),
             (QList<QStringList>{{"1", "0", "mouse", "516", "down"}, {"1", "0", "mouse", "517", "up"}}));
}

void tst_MacroRecording::pressLimitHoldsKeysOnly()
{
    // Twenty stored presses on twenty rows (downs alone), so rows are left for mouse events.
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    std::list<MacroEvent> downs;
    for (int mark = 1; mark <= 20; ++mark)
        downs.push_back(MacroRecords::fillEvent({QString::number(mark), "0", "key", "4", "A", "down"}));
    CVorlanXML_AddKeyOrMouseEventItem(m_file.constData(), downs, "1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    clickRecordButton();
    key(VkA, true);
    QCOMPARE(toast(), QString("The record of events has reached the limit"));
    key(VkA, false);
    key(VkB, true, 0x01);
    key(VkB, false, 0x81);
    QCOMPARE(page->eventRows().size(), 20);
    mouse(516);
    mouse(517);
    QCOMPARE(page->eventRows().size(), 22);
    clickRecordButton();
    const QList<QStringList> all = stored(m_file, "1");
    QCOMPARE(all.size(), 22);
    QCOMPARE(all.mid(20), (QList<QStringList>{{"22", "0", "mouse", "516", "down"}, {"22", "0", "mouse", "517", "up"}}));
}

void tst_MacroRecording::rowLimitDropsEventsAndKeepsPairs()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    for (int mark = 1; mark <= 19; ++mark)
        MacroFileFixture::addPress(m_file, "1", QString::number(mark), 0, 0);
    DMacroPage *page = openEditor();
    QVERIFY(page);
    clickRecordButton();
    mouse(519);     // row 39
    key(VkA, true); // row 40
    QCOMPARE(page->eventRows().size(), 40);
    QVERIFY(toast() != QString("The record of events has reached the limit"));
    key(VkA, false);
    QCOMPARE(toast(), QString("The record of events has reached the limit"));
    QCOMPARE(page->eventRows().size(), 40);
    mouse(520);
    QVERIFY(page->isRecording());
    clickRecordButton();
    // The two presses lost their releases: the file keeps only whole pairs.
    QCOMPARE(stored(m_file, "1").size(), 38);
    QCOMPARE(shown(page), stored(m_file, "1"));
}

void tst_MacroRecording::closingWhileRecordingWritesNothing()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    clickRecordButton();
    key(VkA, true);
    key(VkA, false);
    page->close();
    QCOMPARE(m_hook->starts, 1);
    QCOMPARE(m_hook->stops, 1);
    QTRY_VERIFY(!m_page);
    QVERIFY(MacroFileFixture::events(m_file, "1").empty());
}

void tst_MacroRecording::keyFieldFocusDuringRecordingLeavesTheHook()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
    auto *field = page->findChild<QLineEdit *>("lineEdit_EnterKey");
    field->setFocus(Qt::MouseFocusReason);
    QVERIFY(field->hasFocus());
    QCOMPARE(m_hook->starts, 1);

    // The field's panel is disabled: its focus goes, the recording keeps the hook.
    clickRecordButton();
    QCOMPARE(m_hook->starts, 2);
    QVERIFY(!field->hasFocus());
    QCOMPARE(m_hook->stops, 0);
    key(VkA, true);
    key(VkA, false);
    clickRecordButton();
    QCOMPARE(m_hook->stops, 1);
    QCOMPARE(stored(m_file, "1").size(), 2);

    // Outside a recording the field's focus switches the hook: once on, once off.
    field->setFocus(Qt::MouseFocusReason);
    QCOMPARE(m_hook->starts, 3);
    page->findChild<QLineEdit *>("lineEdit_DelayNum")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(m_hook->stops, 2);
}

void tst_MacroRecording::keyFieldsTakeNamesOutsideARecording()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    DMacroPage *page = openEditor();
    QVERIFY(page);
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
    auto *enterKey = page->findChild<QLineEdit *>("lineEdit_EnterKey");
    auto *pressKey = page->findChild<QLineEdit *>("lineEdit_PressKey");

    enterKey->setFocus(Qt::MouseFocusReason);
    key(VkA, true);
    QCOMPARE(enterKey->text(), QString("A"));
    QCOMPARE(enterKey->maxLength(), 1);
    key(13, true, 0x01);
    QCOMPARE(enterKey->text(), DDataManager::instance()->getKeyNameMap().value(88));
    QVERIFY(!enterKey->text().isEmpty());
    key(0x07, true); // no key of the layout
    QCOMPARE(enterKey->text(), QString());
    QCOMPARE(pressKey->text(), QString());

    // Without that focus the property field takes the name.
    enterKey->clearFocus();
    key(VkB, false);
    QCOMPARE(pressKey->text(), QString("B"));
    QVERIFY(stored(m_file, "1").isEmpty());

    // Over the press limit a press is refused with the toast; its release still names the key.
    for (int mark = 1; mark <= 20; ++mark)
        MacroFileFixture::addPress(m_file, "1", QString::number(mark), 0, 0);
    QTest::mousePress(page->macroRows().first()->findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    key(VkA, true);
    QCOMPARE(toast(), QString("The record of events has reached the limit"));
    QCOMPARE(pressKey->text(), QString("B"));
    key(VkA, false);
    QCOMPARE(pressKey->text(), QString("A"));
}

QTEST_MAIN(tst_MacroRecording)
#include "tst_MacroRecording.moc"
