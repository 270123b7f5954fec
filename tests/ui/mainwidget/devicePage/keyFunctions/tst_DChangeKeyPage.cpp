#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/SoftKeyboardButCustom.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <list>
#include <string>

// The Remap page: picks stored at once into the current profile, the read, the capture pop-up.
class tst_DChangeKeyPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pickStoresRemapThenReports();
    void everyPickStoresAgain();
    void pickTheFileCannotTakeReportsNothing_data();
    void pickTheFileCannotTakeReportsNothing();
    void unknownKeyStoresNothing_data();
    void unknownKeyStoresNothing();
    void pickReplacesEntryOfAnotherType();
    void loadShowsOnlyStoredRemap_data();
    void loadShowsOnlyStoredRemap();
    void pressChoiceGoneAfterDeviceSetup();
    void popupOpensOnceAndClosesOnPressElsewhere();
    void popupClosesWhenPageHides();

private:
    void clickOnScreenKey(int keyDec);

    KeyPageFixture *m_fixture = nullptr;
    DChangeKeyPage *m_page = nullptr;
    QStringList m_reports;
};

void tst_DChangeKeyPage::init()
{
    m_fixture = new KeyPageFixture;
    m_page = new DChangeKeyPage;
    m_reports.clear();
    connect(m_page, &DChangeKeyPage::sigShoudUpdateKeyboard, this,
            [this](int keyDec) { m_reports << QString("update %1").arg(keyDec); });
    connect(m_page, &DChangeKeyPage::sigCustomKeyInfoSaveSuccessful, this, [this] { m_reports << "saved"; });
    DDataManager::instance()->setCurrentKey(41, "Esc");
}

void tst_DChangeKeyPage::cleanup()
{
    delete m_page;
    delete m_fixture;
}

void tst_DChangeKeyPage::clickOnScreenKey(int keyDec)
{
    SoftKeyboardButCustom *key = m_page->keyboard()->keyboardPage()->keyButtons().value(keyDec);
    QVERIFY2(key, qPrintable(QString("no on-screen key %1").arg(keyDec)));
    key->click();
}

void tst_DChangeKeyPage::pickStoresRemapThenReports()
{
    m_page->loadCurrentKeyInfo();
    clickOnScreenKey(4);
    const KeyOperateInfo info = m_fixture->entry(KeyPageFixture::DefaultLayer, 2, 41);
    QCOMPARE(QByteArray(info.operateType), QByteArray("0"));
    QCOMPARE(QByteArray(info.count), QByteArray("1"));
    QCOMPARE(QByteArray(info.mode), QByteArray("1"));
    QCOMPARE(QByteArray(info.value), QByteArray("4"));
    QCOMPARE(m_reports, QStringList({"update 41", "saved"}));
    QCOMPARE(m_page->field()->text(), QString("A"));
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 1, 41), QString());
}

void tst_DChangeKeyPage::everyPickStoresAgain()
{
    m_page->loadCurrentKeyInfo();
    clickOnScreenKey(4);
    clickOnScreenKey(4);
    m_page->takeCapturedKey(4);
    QCOMPARE(m_reports.count("saved"), 3);
    clickOnScreenKey(5);
    QCOMPARE(m_reports.count("saved"), 4);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:5"));
}

void tst_DChangeKeyPage::pickTheFileCannotTakeReportsNothing_data()
{
    // Places the store can neither read nor replace, whoever runs the test (root included).
    QTest::addColumn<QString>("place");
    QTest::newRow("folder where the file should be") << "folder";
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("not an XML file") << "garbage";
}

void tst_DChangeKeyPage::pickTheFileCannotTakeReportsNothing()
{
    QFETCH(QString, place);
    QString path = QString::fromLocal8Bit(m_fixture->path(KeyPageFixture::DefaultLayer));
    QVERIFY(QFile::remove(path));
    if (place == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (place == "missing") {
        path = QFileInfo(path).path() + "/missing/" + QFileInfo(path).fileName();
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<no profiles");
    }
    const auto state = [&path] {
        const QFileInfo info(path);
        if (info.isDir())
            return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(' ') + "/";
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString("missing");
    };
    const QString before = state();
    DDataManager::instance()->setCurrentProfileXmlPath(path.toLocal8Bit().constData());

    m_page->loadCurrentKeyInfo();
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Key operation: could not store key 41 in profile 2 of " + path));
    clickOnScreenKey(4);
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(state(), before);
}

void tst_DChangeKeyPage::unknownKeyStoresNothing_data()
{
    QTest::addColumn<int>("keyDec");
    QTest::newRow("no key") << -1;
    QTest::newRow("not in the key table") << 4242;
}

void tst_DChangeKeyPage::unknownKeyStoresNothing()
{
    QFETCH(int, keyDec);
    m_page->loadCurrentKeyInfo();
    m_page->takeCapturedKey(keyDec);
    m_page->onSoftKeyboardClicked_VirtualKB(keyDec);
    QVERIFY(m_reports.isEmpty());
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString());
}

void tst_DChangeKeyPage::pickReplacesEntryOfAnotherType()
{
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "5", "0");
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_page->field()->text(), QString());
    QCOMPARE(m_page->field()->placeholderText(), QString("Remap with key?"));
    m_page->takeCapturedKey(29);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:29"));
    std::list<std::string> keys;
    CVorlanXML_ProFileKeyInfoSelectAll(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", &keys);
    QCOMPARE(keys.size(), size_t(1));
}

void tst_DChangeKeyPage::loadShowsOnlyStoredRemap_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("remap to A") << 2 << QByteArray("0") << QByteArray("4") << "A";
    QTest::newRow("remap to a longer name") << 2 << QByteArray("0") << QByteArray("40") << "Enter";
    QTest::newRow("target not in the key table") << 2 << QByteArray("0") << QByteArray("4242") << "";
    QTest::newRow("another type") << 2 << QByteArray("3") << QByteArray("4") << "";
    QTest::newRow("another profile") << 1 << QByteArray("0") << QByteArray("4") << "";
}

void tst_DChangeKeyPage::loadShowsOnlyStoredRemap()
{
    QFETCH(int, profile);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    m_page->loadCurrentKeyInfo();
    m_page->takeCapturedKey(5);
    QCOMPARE(m_page->field()->text(), QString("B"));
    // The pick above is replaced by what the next load reads.
    CVorlanXML_DeleteProFileMacroWithKeyInfoItem(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", "41",
                                                 "");
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, profile, 41, type.constData(), value);
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_page->field()->text(), shown);
    // Showing a stored remap stores nothing.
    QCOMPARE(m_reports.count("saved"), 1);
}

void tst_DChangeKeyPage::pressChoiceGoneAfterDeviceSetup()
{
    DDataManager::instance()->setMagneticKeyboard(true);
    m_fixture->setEntry(KeyPageFixture::MagneticLayer, 1, 41, "0", "4");
    auto *choice = m_page->findChild<QFrame *>("frame_Top2");
    auto *heavy = m_page->findChild<QRadioButton *>("radioButton_HeavyPress");
    QVERIFY(choice && heavy);

    // Before any device setup the entry of the magnetic layer shows under Heavy Press.
    m_page->loadCurrentKeyInfo();
    QVERIFY(choice->isVisibleTo(m_page));
    QVERIFY(heavy->isChecked());
    QCOMPARE(m_page->field()->text(), QString("A"));

    for (bool visible : {true, false}) {
        m_page->setPressModeSelectVisible(visible);
        m_page->loadCurrentKeyInfo();
        QVERIFY(!choice->isVisibleTo(m_page));
        QVERIFY(!heavy->isChecked());
        QCOMPARE(m_page->field()->text(), QString());
        m_page->takeCapturedKey(5);
        QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:5"));
        QCOMPARE(m_fixture->entryText(KeyPageFixture::MagneticLayer, 1, 41), QString("0:4"));
        CVorlanXML_DeleteProFileMacroWithKeyInfoItem(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2",
                                                     "41", "");
    }
}

void tst_DChangeKeyPage::popupOpensOnceAndClosesOnPressElsewhere()
{
    QWidget window;
    m_page->setParent(&window);
    QWidget elsewhere(&window);
    window.show();
    m_page->loadCurrentKeyInfo();
    QSignalSpy hook(m_page, &DChangeKeyPage::sigMesgStartOrStopHook);

    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(m_page->field(), &focusIn);
    QCOMPARE(hook.size(), 1);
    QCOMPARE(hook.at(0).at(0).toBool(), true);
    QVERIFY(m_page->isPopupOpen());
    QVERIFY(m_page->keyboard()->isVisible());
    QApplication::sendEvent(m_page->field(), &focusIn);
    QCOMPARE(hook.size(), 1);

    // A press on the pop-up's own keyboard keeps it open.
    QTest::mousePress(m_page->keyboard(), Qt::LeftButton);
    QVERIFY(m_page->isPopupOpen());

    QTest::mousePress(&elsewhere, Qt::LeftButton);
    QCOMPARE(hook.size(), 2);
    QCOMPARE(hook.at(1).at(0).toBool(), false);
    QVERIFY(!m_page->isPopupOpen());
    QVERIFY(!m_page->keyboard()->isVisible());
    QVERIFY(m_reports.isEmpty());

    m_page->setParent(nullptr);
}

void tst_DChangeKeyPage::popupClosesWhenPageHides()
{
    m_page->show();
    m_page->loadCurrentKeyInfo();
    QSignalSpy hook(m_page, &DChangeKeyPage::sigMesgStartOrStopHook);
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(m_page->field(), &focusIn);
    QVERIFY(m_page->isPopupOpen());
    m_page->hide();
    QCOMPARE(hook.size(), 2);
    QCOMPARE(hook.at(1).at(0).toBool(), false);
    QVERIFY(!m_page->isPopupOpen());
}

QTEST_MAIN(tst_DChangeKeyPage)
#include "tst_DChangeKeyPage.moc"
