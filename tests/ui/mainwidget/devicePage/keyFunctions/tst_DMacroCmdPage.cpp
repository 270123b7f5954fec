#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/MacroFileFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// The macro page: what a load shows and binds, and which choices store what.
class tst_DMacroCmdPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadShowsTheBindingAndTheNextClickStoresIt_data();
    void loadShowsTheBindingAndTheNextClickStoresIt();
    void playCountIsStoredOnlyWhenItIsANumber();
    void everyChoiceStores();
    void themeAndLanguageStoreNothing();

private:
    // "type:count:mode:value" of key 41, "" without an entry.
    QString stored() const;
    QRadioButton *radio(const char *name) const { return m_page->findChild<QRadioButton *>(name); }

    KeyPageFixture *m_fixture = nullptr;
    MacroFileFixture *m_macros = nullptr;
    DMacroCmdPage *m_page = nullptr;
    QComboBox *m_list = nullptr;
    QLineEdit *m_count = nullptr;
    QSignalSpy *m_saves = nullptr;
};

void tst_DMacroCmdPage::init()
{
    m_fixture = new KeyPageFixture;
    m_macros = new MacroFileFixture;
    // Listed in file order; macro 1 is not among them, and two share a name.
    m_macros->setMacro(5, "Echo", {4});
    m_macros->setMacro(2, "Beta", {5});
    m_macros->setMacro(3, "Beta", {6});
    m_page = new DMacroCmdPage;
    m_list = m_page->findChild<QComboBox *>("comboBox_Macro");
    m_count = m_page->findChild<QLineEdit *>("lineEdit_playMany");
    m_saves = new QSignalSpy(m_page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful);
    DDataManager::instance()->setCurrentKey(41, "Esc");
}

void tst_DMacroCmdPage::cleanup()
{
    delete m_saves;
    delete m_page;
    delete m_macros;
    delete m_fixture;
}

QString tst_DMacroCmdPage::stored() const
{
    const KeyOperateInfo info = m_fixture->entry(KeyPageFixture::DefaultLayer, 2, 41);
    if (QByteArray(info.keyIndex) == "-1")
        return QString();
    return QString("%1:%2:%3:%4").arg(info.operateType, info.count, info.mode, info.value);
}

void tst_DMacroCmdPage::loadShowsTheBindingAndTheNextClickStoresIt_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("countText");
    QTest::addColumn<bool>("countEnabled");
    QTest::addColumn<int>("shownEntry");
    QTest::addColumn<QString>("afterPlayOnce");

    QTest::newRow("no entry: the shown macro is bound")
        << QByteArray() << QByteArray() << QByteArray() << QByteArray() << false << "radioButton_playOne"
        << "1" << false << 0 << "1:1:1:5";
    QTest::newRow("entry of another type")
        << QByteArray("0") << QByteArray("1") << QByteArray("1") << QByteArray("2") << false << "radioButton_playOne"
        << "1" << false << 0 << "1:1:1:5";
    QTest::newRow("mode 5 leaves Play once")
        << QByteArray("1") << QByteArray("1") << QByteArray("5") << QByteArray("2") << false << "radioButton_playOne"
        << "1" << false << 1 << "1:1:1:2";
    QTest::newRow("mode 2 with count 7") << QByteArray("1") << QByteArray("7") << QByteArray("2") << QByteArray("2")
                                         << false << "radioButton_playMany"
                                         << "7" << true << 1 << "1:1:1:2";
    QTest::newRow("mode 3 shows count 1") << QByteArray("1") << QByteArray("9") << QByteArray("3") << QByteArray("2")
                                          << false << "radioButton_playKeyPressRelStop"
                                          << "1" << false << 1 << "1:1:1:2";
    QTest::newRow("mode 4 with blanks") << QByteArray("1") << QByteArray("1") << QByteArray(" 4") << QByteArray(" 5")
                                        << false << "radioButton_playWhellKeyPress"
                                        << "1" << false << 0 << "1:1:1:5";
    QTest::newRow("unlisted macro: the shown one is bound")
        << QByteArray("1") << QByteArray("1") << QByteArray("1") << QByteArray("9") << false << "radioButton_playOne"
        << "1" << false << 0 << "1:1:1:5";
    QTest::newRow("second of two names: first shown, second kept")
        << QByteArray("1") << QByteArray("1") << QByteArray("3") << QByteArray("3") << false
        << "radioButton_playKeyPressRelStop"
        << "1" << false << 1 << "1:1:1:3";
    QTest::newRow("empty list stores nothing")
        << QByteArray() << QByteArray() << QByteArray() << QByteArray() << true << "radioButton_playOne"
        << "1" << false << -1 << "";
}

void tst_DMacroCmdPage::loadShowsTheBindingAndTheNextClickStoresIt()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, count);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(bool, emptyList);
    QFETCH(QString, radio);
    QFETCH(QString, countText);
    QFETCH(bool, countEnabled);
    QFETCH(int, shownEntry);
    QFETCH(QString, afterPlayOnce);

    if (!type.isEmpty()) {
        CVorlanXML_AddProFileMacroWithKeyInfoItem(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", "41",
                                                  "Esc", type.constData(), count.constData(), mode.constData(),
                                                  value.constData());
    }
    MacroFileFixture emptyMacros;
    if (!emptyList)
        DDataManager::instance()->setMacroXmlPath(m_macros->macroPath().constData());
    const QString before = stored();

    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_saves->size(), 0);
    QCOMPARE(stored(), before);
    QVERIFY(this->radio(radio.toLatin1())->isChecked());
    QCOMPARE(m_count->text(), countText);
    QCOMPARE(m_count->isEnabled(), countEnabled);
    QCOMPARE(m_list->currentIndex(), shownEntry);

    this->radio("radioButton_playOne")->click();
    QCOMPARE(stored(), afterPlayOnce.isEmpty() ? before : afterPlayOnce);
    QCOMPARE(m_saves->size(), afterPlayOnce.isEmpty() ? 0 : 1);
}

void tst_DMacroCmdPage::playCountIsStoredOnlyWhenItIsANumber()
{
    m_page->loadCurrentKeyInfo();
    radio("radioButton_playMany")->click();
    QVERIFY(m_count->isEnabled());
    QCOMPARE(stored(), QString("1:1:2:5"));

    // Typing "12" over an emptied field: nothing for the empty text, then 1, then 12.
    m_count->clear();
    QCOMPARE(m_saves->size(), 1);
    QTest::keyClicks(m_count, "12");
    QCOMPARE(m_saves->size(), 3);
    QCOMPARE(stored(), QString("1:12:2:5"));
    // Out of range or still being typed: the stored count stays.
    m_count->setText("0");
    m_count->setText("");
    QCOMPARE(m_saves->size(), 3);
    QCOMPARE(stored(), QString("1:12:2:5"));

    // The other modes store count 1 whatever the field holds; the field keeps its text.
    radio("radioButton_playOne")->click();
    QCOMPARE(stored(), QString("1:1:1:5"));
    QVERIFY(!m_count->isEnabled());
    QCOMPARE(m_count->text(), QString());
    m_count->setText("5");
    radio("radioButton_playWhellKeyPress")->click();
    QCOMPARE(stored(), QString("1:1:4:5"));
    radio("radioButton_playMany")->click();
    QCOMPARE(stored(), QString("1:5:2:5"));
}

void tst_DMacroCmdPage::everyChoiceStores()
{
    m_page->loadCurrentKeyInfo();
    QSignalSpy updated(m_page, &DMacroCmdPage::sigShoudUpdateKeyboard);
    // The radio already checked stores again.
    radio("radioButton_playOne")->click();
    radio("radioButton_playOne")->click();
    QCOMPARE(m_saves->size(), 2);
    QCOMPARE(updated.size(), 2);
    QCOMPARE(updated.at(1).at(0).toInt(), 41);

    // The list's current entry changing by itself stores nothing; a pick does, also of the same entry.
    m_list->setCurrentIndex(2);
    QCOMPARE(m_saves->size(), 2);
    emit m_list->activated(2);
    QCOMPARE(stored(), QString("1:1:1:3"));
    emit m_list->activated(2);
    QCOMPARE(m_saves->size(), 4);
    // The arrow keys on the closed list pick as well.
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_Up);
    QCOMPARE(m_list->currentIndex(), 1);
    QCOMPARE(stored(), QString("1:1:1:2"));
}

void tst_DMacroCmdPage::themeAndLanguageStoreNothing()
{
    CVorlanXML_AddProFileMacroWithKeyInfoItem(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", "41",
                                              "Esc", "1", "7", "2", "3");
    m_page->loadCurrentKeyInfo();
    m_page->applyTheme();
    m_page->retranslate();
    QCOMPARE(m_count->text(), QString("7"));
    QCOMPARE(radio("radioButton_playOne")->text(), QString("Play once"));
    QCOMPARE(radio("radioButton_playKeyPressRelStop")->text(), QString("Continous playback on/off"));
    QVERIFY(m_list->styleSheet().contains("selection-background-color: rgb(255, 35, 76)"));
    auto *scrollHost = m_page->findChild<QWidget *>("widget_4");
    QVERIFY(!scrollHost->styleSheet().contains("QScrollBar"));
    QTRY_VERIFY(scrollHost->styleSheet().contains("QScrollBar:vertical"));
    QCOMPARE(m_saves->size(), 0);
    QCOMPARE(stored(), QString("1:7:2:3"));
}

QTEST_MAIN(tst_DMacroCmdPage)
#include "tst_DMacroCmdPage.moc"
