#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/MacroFileFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The Default page's OK, and with the macro page the life of a profile's bound macro copies.
class tst_DResetDefaultPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void noKeySelectedReportsAndWritesNothing();
    void okRemovesTheEntryOfAKeyWithAnyName_data();
    void okRemovesTheEntryOfAKeyWithAnyName();
    void boundMacroCopyLivesWithTheKeysBoundToIt();

private:
    QByteArray profileBytes() const;
    void pressDefault(int keyCode);
    void bindMacro(int keyCode, int macroIndex);

    KeyPageFixture *m_fixture = nullptr;
    MacroFileFixture *m_macros = nullptr;
    DResetDefaultPage *m_page = nullptr;
    DMacroCmdPage *m_macroPage = nullptr;
};

void tst_DResetDefaultPage::init()
{
    m_fixture = new KeyPageFixture;
    m_macros = new MacroFileFixture;
    m_page = new DResetDefaultPage;
    m_macroPage = new DMacroCmdPage;
}

void tst_DResetDefaultPage::cleanup()
{
    delete m_macroPage;
    delete m_page;
    delete m_macros;
    delete m_fixture;
}

QByteArray tst_DResetDefaultPage::profileBytes() const
{
    QFile file(QFile::decodeName(m_fixture->path(KeyPageFixture::DefaultLayer)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_DResetDefaultPage::pressDefault(int keyCode)
{
    DDataManager::instance()->setCurrentKey(keyCode, QString::number(keyCode));
    m_page->loadCurrentKeyInfo();
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_OK"), Qt::LeftButton);
}

void tst_DResetDefaultPage::bindMacro(int keyCode, int macroIndex)
{
    DDataManager::instance()->setCurrentKey(keyCode, QString::number(keyCode));
    m_macroPage->loadCurrentKeyInfo();
    auto *list = m_macroPage->findChild<QComboBox *>("comboBox_Macro");
    const int place = list->findData(QString::number(macroIndex));
    QVERIFY(place >= 0);
    list->setCurrentIndex(place);
    emit list->activated(place);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, keyCode), QString("1:%1").arg(macroIndex));
}

void tst_DResetDefaultPage::noKeySelectedReportsAndWritesNothing()
{
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "0", "5");
    DDataManager::instance()->setCurrentKey(41, "Esc");
    m_page->loadCurrentKeyInfo();
    m_page->clearPage();
    QCOMPARE(m_page->findChild<QLabel *>("label_KeyName")->text(), QString("NULL"));
    const QByteArray before = profileBytes();
    QSignalSpy failed(m_page, &DResetDefaultPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy updated(m_page, &DResetDefaultPage::sigShoudUpdateKeyboard);
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0), QList<QVariant>({10, 0}));
    QCOMPARE(updated.size(), 0);
    QCOMPARE(profileBytes(), before);
    QVERIFY(!m_page->findChild<QPushButton *>("pushButton_Cancel")->isVisibleTo(m_page));
}

void tst_DResetDefaultPage::okRemovesTheEntryOfAKeyWithAnyName_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::newRow("Latin-1") << "Esc";
    QTest::newRow("not Latin-1") << QString::fromUtf8("\xe4\xb8\xad\xe2\x82\xac");
    QTest::newRow("no key name") << QString();
}

void tst_DResetDefaultPage::okRemovesTheEntryOfAKeyWithAnyName()
{
    QFETCH(QString, keyName);
    CVorlanXML_AddProFileMacroWithKeyInfoItem(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", "41",
                                              keyName.toUtf8().constData(), "0", "1", "1", "5");
    DDataManager::instance()->setCurrentKey(41, keyName);
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_page->findChild<QLabel *>("label_KeyName")->text(), keyName);
    QSignalSpy updated(m_page, &DResetDefaultPage::sigShoudUpdateKeyboard);
    QSignalSpy succeeded(m_page, &DResetDefaultPage::sigCustomKeyInfoSaveSuccessful);
    auto *ok = m_page->findChild<QPushButton *>("pushButton_OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString());
    QCOMPARE(updated.size(), 1);
    QCOMPARE(updated.at(0).at(0).toInt(), 41);
    QCOMPARE(succeeded.size(), 1);

    // A second OK finds nothing, writes nothing and reports again; the page keeps its key.
    const QByteArray before = profileBytes();
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(profileBytes(), before);
    QCOMPARE(updated.size(), 2);
    QCOMPARE(succeeded.size(), 2);
    QCOMPARE(m_page->findChild<QLabel *>("label_KeyName")->text(), keyName);
}

void tst_DResetDefaultPage::boundMacroCopyLivesWithTheKeysBoundToIt()
{
    const QByteArray profile = m_fixture->path(KeyPageFixture::DefaultLayer);
    m_macros->setMacro(2, "Second", {5});
    m_macros->setMacro(3, "Third", {6});

    // The first key bound to macro 3 makes the copy with the macro's events.
    bindMacro(4, 3);
    QCOMPARE(MacroFileFixture::copyCodes(profile, 2, 3), QStringList({"6:down", "6:up"}));
    // Only in the profile the page works on.
    QVERIFY(!MacroFileFixture::hasCopy(profile, 1, 3));

    // The macro changes; a second key bound to it leaves the copy as it is.
    m_macros->setMacro(3, "Third", {7});
    bindMacro(5, 3);
    QCOMPARE(MacroFileFixture::copyCodes(profile, 2, 3), QStringList({"6:down", "6:up"}));

    // The copy goes with the last key bound to the macro.
    pressDefault(4);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 4), QString());
    QVERIFY(MacroFileFixture::hasCopy(profile, 2, 3));
    pressDefault(5);
    QVERIFY(!MacroFileFixture::hasCopy(profile, 2, 3));

    // Moving the only key of macro 2 to macro 3 makes copy 3 and keeps copy 2.
    bindMacro(30, 2);
    QCOMPARE(MacroFileFixture::copyCodes(profile, 2, 2), QStringList({"5:down", "5:up"}));
    bindMacro(30, 3);
    QCOMPARE(MacroFileFixture::copyCodes(profile, 2, 3), QStringList({"7:down", "7:up"}));
    QCOMPARE(MacroFileFixture::copyCodes(profile, 2, 2), QStringList({"5:down", "5:up"}));

    // A key remapped to key code 3 is no macro key: its reset leaves copy 3 alone.
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "0", "3");
    pressDefault(41);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString());
    QCOMPARE(MacroFileFixture::copyCodes(profile, 2, 3), QStringList({"7:down", "7:up"}));
}

QTEST_MAIN(tst_DResetDefaultPage)
#include "tst_DResetDefaultPage.moc"
