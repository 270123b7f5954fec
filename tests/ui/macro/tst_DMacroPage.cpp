#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"

#include <QButtonGroup>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

QString toast(DMacroPage *page)
{
    return page->findChild<CbNotice *>()->text();
}

QString eventsPanel(DMacroPage *page)
{
    return page->findChild<QStackedWidget *>("stackedWidget_2")->currentWidget()->objectName();
}

QString total(DMacroPage *page)
{
    return page->findChild<QLabel *>("label_TotalTime")->text();
}

QStringList rowNames(DMacroPage *page)
{
    QStringList names;
    for (DMacroListItem *row : page->macroRows())
        names << row->macroName();
    return names;
}

void pressRow(DMacroListItem *row)
{
    QTest::mousePress(row->findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
}

void chooseFromMenu(DMacroListItem *row, const char *entry)
{
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_MacroOperate"), Qt::LeftButton);
    QTest::mouseClick(row->menuBox()->findChild<macroMenuToolWidget *>()->findChild<QLabel *>(entry), Qt::LeftButton);
}

// Through the row's menu, which does not press the row.
void rename(DMacroListItem *row, const QString &name)
{
    chooseFromMenu(row, "label_ModifyNanme");
    row->findChild<QLineEdit *>("lineEdit_MacroName")->setText(name);
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
}

} // namespace

class tst_DMacroPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void constructionSetsControlsAndSizes();
    void textsShowInTheChosenLanguage();
    void openingShowsFirstMacroWithItsTotal();
    void addTakesFirstFreeIndex_data();
    void addTakesFirstFreeIndex();
    void pressReadsTheFileAgain();
    void deletingFollowsTheCurrentMacro();
    void deletingTheOnlyMacroEmptiesTheEditor();
    void clearKeepsIndexAndName();
    void renameNoticesAndCurrentName();
    void everyClosePathReleasesTheHookOnce_data();
    void everyClosePathReleasesTheHookOnce();
    void pathThatDoesNotFitIsRefused();
    void clearedListsKeepOneSpacer();
    void themeColoursGoIntoSheetsAsTheyStand();

private:
    DMacroPage *openEditor(int expectedRows);

    std::unique_ptr<HookRequestRecorder> m_hook;
    QPointer<DMacroPage> m_page;
    QByteArray m_file;
};

void tst_DMacroPage::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    m_hook = std::make_unique<HookRequestRecorder>();
}

void tst_DMacroPage::init()
{
    m_file = MacroFileFixture::freshFile("appMacro.xml");
    m_hook->starts = 0;
    m_hook->stops = 0;
}

void tst_DMacroPage::cleanup()
{
    delete m_page;
    DDataManager::instance()->setBgImageUsing(false);
    DDataManager::instance()->loadTheme(0);
}

DMacroPage *tst_DMacroPage::openEditor(int expectedRows)
{
    m_page = new DMacroPage;
    m_page->setMacroXmlPath(m_file.constData());
    m_page->show();
    // The list loads 200 ms after construction.
    const bool loaded = QTest::qWaitFor([&] {
        if (expectedRows == 0)
            return eventsPanel(m_page) == QLatin1String("page_isEmpty");
        return m_page->macroRows().size() == expectedRows;
    });
    return loaded ? m_page.data() : nullptr;
}

void tst_DMacroPage::constructionSetsControlsAndSizes()
{
    DMacroPage *page = openEditor(0);
    QVERIFY(page);
    QCOMPARE(page->size(), QSize(1050, 690));
    QVERIFY(page->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(page->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!page->findChild<QRadioButton *>("radioButton_Delay")->isVisibleTo(page));
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), QString("page_Key"));
    QCOMPARE(page->findChild<QLabel *>("label")->text(), QString("Start record"));
    QCOMPARE(page->findChild<QLabel *>("label_Title")->text(), QString("Macro Record"));
    QCOMPARE(page->findChild<QPushButton *>("pushButton_Add")->toolTip(), QString("Create"));

    auto *group = page->findChild<QRadioButton *>("radioButton_NoDelay")->group();
    QVERIFY(group && group->exclusive());
    QCOMPARE(group->id(page->findChild<QRadioButton *>("radioButton_DefaultDelay")), 2);
    QVERIFY(page->findChild<QRadioButton *>("radioButton_RecordDelay")->isChecked());

    // The delay fields take 0 to 65535 and nothing else.
    for (const char *name : {"lineEdit_EnterDelayNum", "lineEdit_DelayNum", "lineEdit_DefaultDelayNum"}) {
        auto *validator = qobject_cast<const QIntValidator *>(page->findChild<QLineEdit *>(name)->validator());
        QVERIFY2(validator, name);
        QString text = "65535";
        int position = 0;
        QCOMPARE(validator->validate(text, position), QValidator::Acceptable);
        text = "65536";
        QVERIFY(validator->validate(text, position) != QValidator::Acceptable);
        text = "-1";
        QCOMPARE(validator->validate(text, position), QValidator::Invalid);
    }

    QCOMPARE(page->findChild<QFrame *>("frame_Left")->maximumWidth(), 315);
    QCOMPARE(page->findChild<QFrame *>("frame_Center")->maximumWidth(), 420);
    QCOMPARE(page->findChild<QFrame *>("frame_Right")->maximumWidth(), 315);
}

void tst_DMacroPage::textsShowInTheChosenLanguage()
{
    // The texts the code puts over the form's must reach the translation files too.
    QTranslator translator;
    QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/translation/Zh_SM.qm"));
    QCoreApplication::installTranslator(&translator);
    DMacroPage *page = openEditor(0);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(page);
    QCOMPARE(page->findChild<QLabel *>("label_Title")->text(), QString::fromUtf8("宏录制"));
    QCOMPARE(page->findChild<QPushButton *>("pushButton_MoveUp")->toolTip(), QString::fromUtf8("上移"));
    QCOMPARE(page->findChild<QLabel *>("label")->text(), QString::fromUtf8("开始录制"));
}

void tst_DMacroPage::openingShowsFirstMacroWithItsTotal()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addMacro(m_file, "2", "Macro2");
    MacroFileFixture::addPress(m_file, "1", "1", 0, 250);
    MacroFileFixture::addPress(m_file, "1", "2", 500, 500);

    DMacroPage *page = openEditor(2);
    QVERIFY(page);
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);
    QCOMPARE(rowNames(page), QStringList({"Macro1", "Macro2"}));
    QCOMPARE(page->currentMacroIndex(), QString("1"));
    QCOMPARE(eventsPanel(page), QString("page_catchList"));
    QCOMPARE(page->eventRows().size(), 4);
    QCOMPARE(total(page), QString("1250 MS"));
    QCOMPARE(page->eventRows().at(1)->operateExplain(), QString("up"));
    QVERIFY(
        page->macroRows().first()->findChild<QFrame *>("frame_5")->styleSheet().contains("QFrame#frame_5{background"));
    QCOMPARE(listChanged.size(), 0);
}

void tst_DMacroPage::addTakesFirstFreeIndex_data()
{
    QTest::addColumn<QStringList>("indexes");
    QTest::addColumn<int>("added");

    QTest::newRow("none") << QStringList() << 1;
    QTest::newRow("2, 3") << QStringList({"2", "3"}) << 1;
    QTest::newRow("1, 2, 4") << QStringList({"1", "2", "4"}) << 3;
    QTest::newRow("1, 2, 3") << QStringList({"1", "2", "3"}) << 4;
    QTest::newRow("1, 5, 2") << QStringList({"1", "5", "2"}) << 3;
}

void tst_DMacroPage::addTakesFirstFreeIndex()
{
    QFETCH(QStringList, indexes);
    QFETCH(int, added);
    for (const QString &index : indexes)
        MacroFileFixture::addMacro(m_file, index, "Macro" + index);
    DMacroPage *page = openEditor(indexes.size());
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);

    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_Add"), Qt::LeftButton);
    const auto stored = MacroFileFixture::macros(m_file);
    QCOMPARE(stored.size(), indexes.size() + 1);
    QCOMPARE(stored.last(), qMakePair(QString::number(added), QString("Macro%1").arg(added)));
    QCOMPARE(page->macroRows().size(), stored.size());
    QCOMPARE(toast(page), QString("Add macro successful"));
    // The first macro stays current.
    QCOMPARE(page->currentMacroIndex(), stored.first().first);
    QCOMPARE(listChanged.size(), 0);
}

void tst_DMacroPage::pressReadsTheFileAgain()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addMacro(m_file, "2", "Macro2");
    MacroFileFixture::addPress(m_file, "2", "1", 0, 100);
    DMacroPage *page = openEditor(2);
    QVERIFY(page);
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);
    QCOMPARE(eventsPanel(page), QString("page_isEmpty"));

    pressRow(page->macroRows().at(1));
    QCOMPARE(page->currentMacroName(), QString("Macro2"));
    QCOMPARE(page->eventRows().size(), 2);
    QCOMPARE(total(page), QString("100 MS"));

    // A change behind the editor's back shows on a press on the current row.
    MacroFileFixture::addPress(m_file, "2", "2", 40, 60, "B");
    pressRow(page->macroRows().at(1));
    QCOMPARE(page->eventRows().size(), 4);
    QCOMPARE(page->eventRows().last()->codeName(), QString("B"));
    QCOMPARE(total(page), QString("200 MS"));
    QCOMPARE(page->findChild<QScrollArea *>("scrollArea_3")->verticalScrollBar()->value(), 0);
    QCOMPARE(listChanged.size(), 0);
}

void tst_DMacroPage::deletingFollowsTheCurrentMacro()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addMacro(m_file, "2", "Macro2");
    MacroFileFixture::addMacro(m_file, "3", "Macro3");
    MacroFileFixture::addPress(m_file, "1", "1", 0, 30);
    MacroFileFixture::addPress(m_file, "2", "1", 0, 70);
    DMacroPage *page = openEditor(3);
    QVERIFY(page);
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);

    // Not the current one: its row goes, nothing else changes.
    QPointer<DMacroListItem> third = page->macroRows().at(2);
    chooseFromMenu(third, "label_Delete");
    QVERIFY(third);
    QTRY_VERIFY(!third);
    QCOMPARE(rowNames(page), QStringList({"Macro1", "Macro2"}));
    QCOMPARE(page->currentMacroName(), QString("Macro1"));
    QCOMPARE(total(page), QString("30 MS"));
    QCOMPARE(toast(page), QString("Delete macro successful"));
    QCOMPARE(listChanged.size(), 0);

    // The current one: the first remaining row becomes current, with no notice to the device page.
    QPointer<DMacroListItem> first = page->macroRows().at(0);
    chooseFromMenu(first, "label_Delete");
    QCOMPARE(rowNames(page), QStringList({"Macro2"}));
    QCOMPARE(page->currentMacroIndex(), QString("2"));
    QCOMPARE(total(page), QString("70 MS"));
    QVERIFY(
        page->macroRows().first()->findChild<QFrame *>("frame_5")->styleSheet().contains("QFrame#frame_5{background"));
    QCOMPARE(listChanged.size(), 0);
    QTRY_VERIFY(!first);
    QCOMPARE(MacroFileFixture::macros(m_file).size(), 1);
}

void tst_DMacroPage::deletingTheOnlyMacroEmptiesTheEditor()
{
    MacroFileFixture::addMacro(m_file, "4", "Only");
    MacroFileFixture::addPress(m_file, "4", "1", 10, 20);
    DMacroPage *page = openEditor(1);
    QVERIFY(page);
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);

    chooseFromMenu(page->macroRows().first(), "label_Delete");
    QVERIFY(page->macroRows().isEmpty());
    QVERIFY(page->eventRows().isEmpty());
    QCOMPARE(page->currentMacroIndex(), QString());
    QCOMPARE(total(page), QString("0 MS"));
    QCOMPARE(eventsPanel(page), QString("page_isEmpty"));
    QCOMPARE(listChanged.size(), 1);
    QCOMPARE(listChanged.first(), QVariantList({QString(), QString()}));
    QVERIFY(MacroFileFixture::macros(m_file).isEmpty());

    // Nothing is current any more.
    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_ClearMacroLst"), Qt::LeftButton);
    QCOMPARE(toast(page), QString("Please select a macro first"));
    QCOMPARE(listChanged.size(), 1);
}

void tst_DMacroPage::clearKeepsIndexAndName()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addMacro(m_file, "7", QString::fromUtf8("\xE5\xAE\x8F seven"));
    MacroFileFixture::addPress(m_file, "7", "1", 5, 5);
    DMacroPage *page = openEditor(2);
    QVERIFY(page);
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);
    pressRow(page->macroRows().at(1));
    QCOMPARE(total(page), QString("10 MS"));

    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_ClearMacroLst"), Qt::LeftButton);
    QCOMPARE(toast(page), QString("Clear record macro successful"));
    QCOMPARE(total(page), QString("0 MS"));
    QCOMPARE(eventsPanel(page), QString("page_isEmpty"));
    QVERIFY(page->eventRows().isEmpty());
    QCOMPARE(listChanged.size(), 1);
    QCOMPARE(listChanged.first(), QVariantList({"7", QString::fromUtf8("\xE5\xAE\x8F seven")}));
    const auto stored = MacroFileFixture::macros(m_file);
    QVERIFY(stored.contains(qMakePair(QString("7"), QString::fromUtf8("\xE5\xAE\x8F seven"))));
    QVERIFY(MacroFileFixture::events(m_file, "7").empty());
    // The list is not reloaded: the row stays current.
    QCOMPARE(page->currentMacroIndex(), QString("7"));
}

void tst_DMacroPage::renameNoticesAndCurrentName()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addMacro(m_file, "2", "Macro2");
    MacroFileFixture::addPress(m_file, "1", "1", 5, 5);
    DMacroPage *page = openEditor(2);
    QVERIFY(page);
    QSignalSpy listChanged(page, &DMacroPage::sigMacroListHaveChanged);

    rename(page->macroRows().first(), "");
    QCOMPARE(toast(page), QString("Macro name can't be empty"));

    // Renaming another row leaves the current name alone.
    rename(page->macroRows().at(1), "Other");
    QCOMPARE(toast(page), QString("Modify macro name successful"));
    QCOMPARE(page->currentMacroName(), QString("Macro1"));

    // Renaming the current row: a later Clear keeps the new name in the file.
    rename(page->macroRows().first(), "Renamed");
    QCOMPARE(page->currentMacroName(), QString("Renamed"));
    QCOMPARE(listChanged.size(), 0);
    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_ClearMacroLst"), Qt::LeftButton);
    QCOMPARE(MacroFileFixture::macros(m_file), (QList<QPair<QString, QString>>{{"2", "Other"}, {"1", "Renamed"}}));
    QCOMPARE(listChanged.first(), QVariantList({"1", "Renamed"}));
}

void tst_DMacroPage::everyClosePathReleasesTheHookOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "button";
    QTest::newRow("escape") << "escape";
    QTest::newRow("close alone") << "close";
}

void tst_DMacroPage::everyClosePathReleasesTheHookOnce()
{
    QFETCH(QString, how);
    DMacroPage *page = openEditor(0);
    QVERIFY(page);
    QSignalSpy closed(page, &DMacroPage::sigMacroPageClose);
    int stopsAtClose = -1;
    connect(page, &DMacroPage::sigMacroPageClose, this, [&] { stopsAtClose = m_hook->stops; });

    if (how == "button")
        QTest::mouseClick(page->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(page, Qt::Key_Escape);
    else
        page->close();
    QCOMPARE(closed.size(), 1);
    QCOMPARE(m_hook->stops, 1);
    QCOMPARE(m_hook->starts, 0);
    // The hook goes before the main window hears of the close.
    QCOMPARE(stopsAtClose, 1);
    QTRY_VERIFY(!m_page);
}

void tst_DMacroPage::pathThatDoesNotFitIsRefused()
{
    DMacroPage page;
    const QByteArray tooLong = QByteArray(250, 'x') + "/appMacro.xml";
    page.setMacroXmlPath(tooLong.constData());
    QCOMPARE(page.macroXmlPath(), QString());
    page.setMacroXmlPath(m_file.constData());
    QCOMPARE(page.macroXmlPath(), QFile::decodeName(m_file));
    page.setMacroXmlPath(tooLong.constData());
    QTest::mouseClick(page.findChild<QPushButton *>("pushButton_Add"), Qt::LeftButton);
    QVERIFY(MacroFileFixture::macros(m_file).isEmpty());
    QVERIFY(page.macroRows().isEmpty());
}

void tst_DMacroPage::clearedListsKeepOneSpacer()
{
    MacroFileFixture::addMacro(m_file, "1", "Macro1");
    MacroFileFixture::addPress(m_file, "1", "1", 0, 0);
    DMacroPage *page = openEditor(1);
    QVERIFY(page);
    auto *events = page->findChild<QVBoxLayout *>("verticalLayout_20");
    QCOMPARE(events->count(), 3);
    QPointer<DCatchKeyAndMouseItem> old = page->eventRows().first();

    // A press clears and refills: the new rows start at index 0 while the old ones still exist.
    pressRow(page->macroRows().first());
    QVERIFY(old);
    QCOMPARE(events->count(), 3);
    QCOMPARE(events->indexOf(page->eventRows().first()), 0);
    QCOMPARE(events->indexOf(old), -1);
    QVERIFY(events->itemAt(2)->spacerItem());
    QTRY_VERIFY(!old);

    // Emptied twice in a row: the spacer alone stays.
    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_ClearMacroLst"), Qt::LeftButton);
    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_ClearMacroLst"), Qt::LeftButton);
    QCOMPARE(events->count(), 1);
    QVERIFY(events->itemAt(0)->spacerItem());
    page->insertEventRow("9", 0, "key", 4, "A", "down", 0);
    QCOMPARE(events->count(), 2);
    QVERIFY(events->itemAt(1)->spacerItem());

    auto *macros = page->findChild<QVBoxLayout *>("verticalLayout_17");
    QCOMPARE(macros->count(), 2);
    QVERIFY(macros->itemAt(1)->spacerItem());
}

void tst_DMacroPage::themeColoursGoIntoSheetsAsTheyStand()
{
    DDataManager::instance()->loadTheme(1);
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();

    DMacroPage *page = openEditor(0);
    QVERIFY(page);
    QVERIFY(
        page->findChild<QFrame *>("frame_Bg")->styleSheet().contains(QString("rgb(%1)").arg(theme.TextCheckedColor)));
    QVERIFY(
        page->findChild<QFrame *>("frame_3")->styleSheet().contains(QString("rgb(%1)").arg(theme.MacroBorderColor)));
    QVERIFY(page->findChild<QPushButton *>("pushButton_InsertMacro")
                ->styleSheet()
                .contains(QString("rgb(%1)").arg(theme.MacroRightBgColor)));
    // The scroll-bar sheet reaches its container later.
    auto *listContainer = page->findChild<QWidget *>("widget_4");
    QTRY_VERIFY(listContainer->styleSheet().contains(QString("rgba(%1)").arg(theme.AllScrollBarColorDef)));
    QCOMPARE(page->findChild<QWidget *>("widget_5")->styleSheet(), listContainer->styleSheet());
}

QTEST_MAIN(tst_DMacroPage)
#include "tst_DMacroPage.moc"
