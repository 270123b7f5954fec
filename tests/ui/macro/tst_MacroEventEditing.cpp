#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/MacroRecords.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"
#include "widgets/CbNotice.h"
#include "widgets/DSoftKeyboardPage.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// mark, delay, type, key code, name, direction
QList<QStringList> shown(DMacroPage *page)
{
    QList<QStringList> rows;
    for (DCatchKeyAndMouseItem *row : page->shownEventRows())
        rows << QStringList(
            {row->mark(), row->delay(), row->type(), row->keyCode(), row->codeName(), row->operateExplain()});
    return rows;
}

QList<QStringList> stored(const QByteArray &file, const QString &index)
{
    QList<QStringList> rows;
    for (const MacroEvent &event : MacroFileFixture::events(file, index)) {
        const MacroEventFields f = MacroRecords::eventFields(event);
        rows << QStringList({f.mark, f.delay, f.type, f.keyCode, f.codeName, f.operateExplain});
    }
    return rows;
}

QStringList order(DMacroPage *page)
{
    QStringList marks;
    for (DCatchKeyAndMouseItem *row : page->shownEventRows())
        marks << row->mark() + (row->operateExplain() == "down" ? "v" : "^");
    return marks;
}

class AnsweringDialogs : public ProfileDialogProvider
{
public:
    QString existingDirectory(QWidget *, const QString &caption, const QString &start) override
    {
        asked << caption << start;
        return folder;
    }
    QString openFileName(QWidget *, const QString &caption, const QString &start, const QString &filter) override
    {
        asked << caption << start << filter;
        return file;
    }
    int question(QWidget *, const QString &, const QString &, const QString &, const QString &) override { return 0; }

    QString folder;
    QString file;
    QStringList asked;
};

} // namespace

// Editing the shown macro's events: after every accepted change the file holds what the list shows.
class tst_MacroEventEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void insertsNestAfterAndStackBefore();
    void insertChecksInOrderAndCountsRows_data();
    void insertChecksInOrderAndCountsRows();
    void modifyChangesThePairAsOne();
    void modifyCutsAPastedNameAndStoresAnEmptyDelayAsZero();
    void deleteTakesThePartner();
    void movesStopAtTheEndsAndThePartner();
    void movesAfterAnInsertMoveTheShownRow();
    void exportWritesTheFileAndImportAddsAMacro();
    void badImportCreatesNothing();

private:
    DMacroPage *openEditor();
    void clickRow(int position);
    void captureKey(int vk);
    void click(const char *button);
    QString toast() const { return m_page->findChild<CbNotice *>()->text(); }
    bool fileMatchesList() const { return stored(m_file, m_page->currentMacroIndex()) == shown(m_page); }

    std::unique_ptr<HookRequestRecorder> m_hook;
    std::unique_ptr<DSoftKeyboardPage> m_keyboard;
    QPointer<DMacroPage> m_page;
    QByteArray m_file;
    AnsweringDialogs m_dialogs;
    std::unique_ptr<QSignalSpy> m_changed;
};

void tst_MacroEventEditing::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    m_hook = std::make_unique<HookRequestRecorder>();
    m_keyboard = std::make_unique<DSoftKeyboardPage>();
    m_keyboard->loadKeyboardInfo("any");
}

void tst_MacroEventEditing::init()
{
    m_file = MacroFileFixture::freshFile("appMacro.xml");
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    m_dialogs = AnsweringDialogs();
}

void tst_MacroEventEditing::cleanup()
{
    m_changed.reset();
    delete m_page;
}

DMacroPage *tst_MacroEventEditing::openEditor()
{
    m_page = new DMacroPage;
    m_page->setMacroXmlPath(m_file.constData());
    m_page->setDialogProvider(&m_dialogs);
    m_page->show();
    if (!QTest::qWaitFor([&] { return !m_page->macroRows().isEmpty(); }))
        return nullptr;
    m_changed = std::make_unique<QSignalSpy>(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    return m_page;
}

void tst_MacroEventEditing::clickRow(int position)
{
    QTest::mousePress(m_page->shownEventRows().at(position), Qt::LeftButton);
}

// A key reported by the hook outside a recording.
void tst_MacroEventEditing::captureKey(int vk)
{
    DDataManager::instance()->relayMacroKeyboardEvent(vk, 0, 1, 0x00);
    DDataManager::instance()->relayMacroKeyboardEvent(vk, 0, 0, 0x80);
}

void tst_MacroEventEditing::click(const char *button)
{
    auto *widget = m_page->findChild<QAbstractButton *>(button);
    QVERIFY2(widget, button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void tst_MacroEventEditing::insertsNestAfterAndStackBefore()
{
    MacroFileFixture::addPress(m_file, "1", "1", 0, 30);
    MacroFileFixture::addPress(m_file, "1", "2", 40, 50);
    QVERIFY(openEditor());
    captureKey(66); // B
    clickRow(0);
    click("pushButton_InsertMacro");
    QCOMPARE(toast(), QString("Insert successful"));
    click("pushButton_InsertMacro");
    QCOMPARE(order(m_page), QStringList({"1v", "3v", "4v", "4^", "3^", "1^", "2v", "2^"}));
    QVERIFY(fileMatchesList());
    QCOMPARE(shown(m_page).at(1), QStringList({"3", "0", "key", "5", "B", "down"}));

    // Before: directly above the clicked row, and above that pair again.
    click("radioButton_InsertBefore");
    click("radioButton_Mouse");
    click("radioButton_MouseRight");
    clickRow(6);
    click("pushButton_InsertMacro");
    click("pushButton_InsertMacro");
    QCOMPARE(order(m_page).mid(6), QStringList({"6v", "6^", "5v", "5^", "2v", "2^"}));
    QCOMPARE(shown(m_page).at(8), QStringList({"5", "0", "mouse", "516", "Right Click", "down"}));
    QCOMPARE(shown(m_page).at(9).at(3), QString("517"));
    QVERIFY(fileMatchesList());
    QCOMPARE(m_changed->size(), 4);
    QCOMPARE(m_changed->last(), QVariantList({"1", "Macro1"}));
    QCOMPARE(m_page->findChild<QLabel *>("label_TotalTime")->text(), QString("120 MS"));
}

void tst_MacroEventEditing::insertChecksInOrderAndCountsRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("keyCaptured");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing selected, over the limit, no key")
        << 40 << false << false << "Please select a specific location first";
    QTest::newRow("no key, over the limit") << 40 << true << false << "Please enter a key";
    QTest::newRow("40 rows") << 40 << true << true << "The record of events has reached the limit";
    QTest::newRow("39 rows") << 39 << true << true << "Insert successful";
}

void tst_MacroEventEditing::insertChecksInOrderAndCountsRows()
{
    QFETCH(int, rows);
    QFETCH(bool, selected);
    QFETCH(bool, keyCaptured);
    QFETCH(QString, message);
    for (int mark = 1; mark <= rows / 2; ++mark)
        MacroFileFixture::addPress(m_file, "1", QString::number(mark), 0, 0);
    if (rows % 2)
        CVorlanXML_AddKeyOrMouseEventItem(m_file.constData(),
                                          {MacroRecords::fillEvent({"30", "0", "key", "4", "A", "down"})}, "1");
    QVERIFY(openEditor());
    QCOMPARE(m_page->shownEventRows().size(), rows);
    if (keyCaptured)
        captureKey(65);
    if (selected)
        clickRow(0);
    click("pushButton_InsertMacro");
    QCOMPARE(toast(), message);
    const bool accepted = message == "Insert successful";
    QCOMPARE(m_page->shownEventRows().size(), accepted ? rows + 2 : rows);
    QCOMPARE(m_changed->size(), accepted ? 1 : 0);
    QVERIFY(fileMatchesList());
}

void tst_MacroEventEditing::modifyChangesThePairAsOne()
{
    MacroFileFixture::addPress(m_file, "1", "1", 0, 30);
    MacroFileFixture::addPress(m_file, "1", "2", 40, 50);
    QVERIFY(openEditor());

    click("pushButton_ModifyMacro");
    QCOMPARE(toast(), QString("Please select a specific location first"));
    QCOMPARE(m_changed->size(), 0);

    // The down of mark 2 becomes a left click with delay 7; its up keeps 50 and gets 514.
    clickRow(2);
    QCOMPARE(m_page->findChild<QLineEdit *>("lineEdit_PressKey")->text(), QString("A"));
    QCOMPARE(m_page->findChild<QLineEdit *>("lineEdit_DelayNum")->text(), QString("40"));
    click("radioButton_MouseEvent");
    QVERIFY(m_page->findChild<QRadioButton *>("radioButton_1left")->isChecked());
    m_page->findChild<QLineEdit *>("lineEdit_DelayNum")->setText("7");
    click("pushButton_ModifyMacro");
    QCOMPARE(toast(), QString("Modify successful"));
    QCOMPARE(shown(m_page).at(2), QStringList({"2", "7", "mouse", "513", "Left Click", "down"}));
    QCOMPARE(shown(m_page).at(3), QStringList({"2", "50", "mouse", "514", "Left Click", "up"}));
    QVERIFY(fileMatchesList());
    QCOMPARE(m_page->findChild<QLabel *>("label_TotalTime")->text(), QString("87 MS"));

    // The up of mark 1 back to a key: the key the hook last reported.
    clickRow(1);
    click("radioButton_KeyboardEvent");
    click("pushButton_ModifyMacro");
    QCOMPARE(toast(), QString("Please enter a key"));
    captureKey(67); // C
    click("pushButton_ModifyMacro");
    QCOMPARE(shown(m_page).at(0), QStringList({"1", "0", "key", "6", "C", "down"}));
    QCOMPARE(shown(m_page).at(1), QStringList({"1", "30", "key", "6", "C", "up"}));
    QVERIFY(fileMatchesList());
    QCOMPARE(m_changed->size(), 2);
}

void tst_MacroEventEditing::modifyCutsAPastedNameAndStoresAnEmptyDelayAsZero()
{
    MacroFileFixture::addPress(m_file, "1", "1", 10, 30);
    QVERIFY(openEditor());
    clickRow(0);
    auto *field = m_page->findChild<QLineEdit *>("lineEdit_PressKey");
    field->setMaxLength(200);
    // 68 bytes: 62 ASCII and two 3-byte characters; the cut keeps 62 + the first (65 > 63: none).
    const QString pasted = QString(62, 'p') + QString::fromUtf8("\xE4\xB8\xAD\xE4\xB8\xAD");
    field->setText(pasted);
    m_page->findChild<QLineEdit *>("lineEdit_DelayNum")->clear();
    click("pushButton_ModifyMacro");
    QCOMPARE(shown(m_page).at(0).at(4), QString(62, 'p'));
    QCOMPARE(shown(m_page).at(1).at(4), QString(62, 'p'));
    QCOMPARE(shown(m_page).at(0).at(1), QString("0"));
    QVERIFY(fileMatchesList());
    QCOMPARE(m_page->findChild<QLabel *>("label_TotalTime")->text(), QString("30 MS"));
}

void tst_MacroEventEditing::deleteTakesThePartner()
{
    MacroFileFixture::addPress(m_file, "1", "1", 0, 30);
    MacroFileFixture::addPress(m_file, "1", "2", 40, 50);
    MacroFileFixture::addPress(m_file, "1", "3", 60, 70);
    QVERIFY(openEditor());
    clickRow(0);
    emit m_page->shownEventRows().at(3)->sigDeleteKeyAndMouseEvent(); // the up of mark 2
    QCOMPARE(order(m_page), QStringList({"1v", "1^", "3v", "3^"}));
    QVERIFY(fileMatchesList());
    QCOMPARE(m_page->findChild<QLabel *>("label_TotalTime")->text(), QString("160 MS"));
    QCOMPARE(m_changed->size(), 1);
    // The selection went with it.
    click("pushButton_MoveDown");
    QCOMPARE(toast(), QString("Please select a specific location first"));
    QCOMPARE(m_changed->size(), 1);
}

void tst_MacroEventEditing::movesStopAtTheEndsAndThePartner()
{
    MacroFileFixture::addPress(m_file, "1", "1", 0, 30);
    MacroFileFixture::addPress(m_file, "1", "2", 40, 50);
    QVERIFY(openEditor());
    click("pushButton_MoveUp");
    QCOMPARE(toast(), QString("Please select a specific location first"));

    clickRow(0);
    click("pushButton_MoveUp");   // the top
    click("pushButton_MoveDown"); // its own up below
    QCOMPARE(m_changed->size(), 0);
    clickRow(1);
    click("pushButton_MoveDown"); // 1^ passes 2v
    QCOMPARE(order(m_page), QStringList({"1v", "2v", "1^", "2^"}));
    QVERIFY(fileMatchesList());
    click("pushButton_MoveDown");
    QCOMPARE(order(m_page), QStringList({"1v", "2v", "2^", "1^"}));
    QVERIFY(fileMatchesList());
    click("pushButton_MoveDown"); // the bottom
    QCOMPARE(m_changed->size(), 2);
    clickRow(2);
    click("pushButton_MoveUp"); // 2^ stops below 2v
    QCOMPARE(m_changed->size(), 2);
    QVERIFY(fileMatchesList());
}

void tst_MacroEventEditing::movesAfterAnInsertMoveTheShownRow()
{
    MacroFileFixture::addPress(m_file, "1", "1", 0, 30);
    MacroFileFixture::addPress(m_file, "1", "2", 40, 50);
    QVERIFY(openEditor());
    captureKey(66);
    clickRow(1);                     // 1^
    click("pushButton_InsertMacro"); // 3v 3^ after it; the position is on 3v
    QCOMPARE(order(m_page), QStringList({"1v", "1^", "3v", "3^", "2v", "2^"}));
    click("pushButton_MoveUp");
    QCOMPARE(order(m_page), QStringList({"1v", "3v", "1^", "3^", "2v", "2^"}));
    QVERIFY(fileMatchesList());
    click("pushButton_MoveUp");
    QCOMPARE(order(m_page), QStringList({"3v", "1v", "1^", "3^", "2v", "2^"}));
    QVERIFY(fileMatchesList());
    QCOMPARE(m_changed->size(), 3);
}

void tst_MacroEventEditing::exportWritesTheFileAndImportAddsAMacro()
{
    MacroFileFixture::addMacro(m_file, "5", "Other");
    MacroFileFixture::addPress(m_file, "1", "1", 0, 96, QString::fromUtf8("\xE9\x94\xAE"));
    QVERIFY(openEditor());
    QTemporaryDir folder;

    // No folder chosen.
    emit m_page->macroRows().first()->sigExportMacroChildList("1", "../Macro1");
    QCOMPARE(toast(), QString("Please select save directory first"));
    QCOMPARE(m_dialogs.asked,
             QStringList({"Save directory", QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)}));

    m_dialogs.folder = folder.path();
    emit m_page->macroRows().first()->sigExportMacroChildList("1", "../Macro1");
    QCOMPARE(toast(), QString("Export macro successful"));
    // The name's separator and dots cannot lead out of the folder.
    const QString exported = folder.filePath("___Macro1.xml");
    QVERIFY(QFile::exists(exported));

    m_dialogs.file = exported;
    m_dialogs.asked.clear();
    click("pushButton_Import");
    QCOMPARE(toast(), QString("Import macro successful"));
    QCOMPARE(m_dialogs.asked.mid(0, 1), QStringList({"Open macro file"}));
    QCOMPARE(m_dialogs.asked.at(2), QString("Macro files(*.xml)"));
    // Listed after 5, so 6; named after the file up to its first dot.
    QCOMPARE(MacroFileFixture::macros(m_file).last(), qMakePair(QString("6"), QString("___Macro1")));
    QCOMPARE(stored(m_file, "6"), stored(m_file, "1"));
    QCOMPARE(m_page->macroRows().size(), 3);
    QCOMPARE(m_changed->size(), 0);
}

void tst_MacroEventEditing::badImportCreatesNothing()
{
    QVERIFY(openEditor());
    QTemporaryDir folder;
    QFile bad(folder.filePath("Bad.xml"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("<Parameters><macro><item mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
              "operateExplain=\"down\"/><item mark=\"1\" delay=\"0\" type=\"key\"");
    bad.close();
    m_dialogs.file = bad.fileName();
    click("pushButton_Import");
    QCOMPARE(toast(), QString());
    QCOMPARE(MacroFileFixture::macros(m_file).size(), 1);
    m_dialogs.file = folder.filePath("missing.xml");
    click("pushButton_Import");
    QCOMPARE(toast(), QString());
    QCOMPARE(MacroFileFixture::macros(m_file).size(), 1);
}

QTEST_MAIN(tst_MacroEventEditing)
#include "tst_MacroEventEditing.moc"
