#include "app/DDataManager.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/SoftKeyboardButCustom.h"

#include <QLineEdit>
#include <QtTest>

// The Key Combination page: combinations built on the pop-up keyboard, stored as "mask,key".
class tst_DKeyCombinationPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void picksStoreCombination_data();
    void picksStoreCombination();
    void combinationSurvivesClosingThePopup();
    void loadShowsStoredCombination_data();
    void loadShowsStoredCombination();

private:
    void openPopup();
    void pick(int keyDec);

    KeyPageFixture *m_fixture = nullptr;
    QWidget *m_window = nullptr;
    DKeyCombinationPage *m_page = nullptr;
    QStringList m_reports;
};

void tst_DKeyCombinationPage::init()
{
    m_fixture = new KeyPageFixture;
    m_window = new QWidget;
    m_page = new DKeyCombinationPage(m_window);
    QWidget *elsewhere = new QWidget(m_window);
    elsewhere->setObjectName("elsewhere");
    m_window->show();
    m_reports.clear();
    connect(m_page, &DKeyCombinationPage::sigShoudUpdateKeyboard, this,
            [this](int keyDec) { m_reports << QString("update %1").arg(keyDec); });
    connect(m_page, &DKeyCombinationPage::sigCustomKeyInfoSaveSuccessful, this, [this] { m_reports << "saved"; });
    DDataManager::instance()->setCurrentKey(41, "Esc");
    m_page->loadCurrentKeyInfo();
}

void tst_DKeyCombinationPage::cleanup()
{
    delete m_window;
    delete m_fixture;
}

void tst_DKeyCombinationPage::openPopup()
{
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(m_page->field(), &focusIn);
    QVERIFY(m_page->isPopupOpen());
}

void tst_DKeyCombinationPage::pick(int keyDec)
{
    // Keys the on-screen layout lacks (right Win) come from the physical keyboard.
    if (SoftKeyboardButCustom *key = m_page->keyboard()->keyboardPage()->keyButtons().value(keyDec))
        key->click();
    else
        m_page->takeCapturedKey(keyDec);
}

void tst_DKeyCombinationPage::picksStoreCombination_data()
{
    QTest::addColumn<QVector<int>>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("selectedKeys");
    QTest::newRow("L_CTRL L_SHIFT A") << QVector<int>{224, 225, 4} << "L_CTRL+L_SHIFT+A"
                                      << "2:3,4" << 0;
    QTest::newRow("key first") << QVector<int>{4} << ""
                               << "" << 0;
    QTest::newRow("two modifiers so far") << QVector<int>{224, 230} << "L_CTRL+R_ALT"
                                          << "" << 2;
    QTest::newRow("third modifier refused") << QVector<int>{224, 230, 225} << "L_CTRL+R_ALT"
                                            << "" << 2;
    QTest::newRow("third modifier, then A") << QVector<int>{224, 230, 225, 4} << "L_CTRL+R_ALT+A"
                                            << "2:65,4" << 0;
    QTest::newRow("modifier twice") << QVector<int>{224, 224, 4} << "L_CTRL+A"
                                    << "2:1,4" << 0;
    QTest::newRow("R_WIN F1") << QVector<int>{231, 58} << "R_WIN+F1"
                              << "2:128,58" << 0;
    QTest::newRow("the last of two stays") << QVector<int>{224, 4, 226, 5} << "L_ALT+B"
                                           << "2:4,5" << 0;
}

void tst_DKeyCombinationPage::picksStoreCombination()
{
    QFETCH(QVector<int>, keys);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(int, selectedKeys);
    openPopup();
    for (int key : keys)
        pick(key);
    QCOMPARE(m_page->field()->text(), shown);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), stored);
    QCOMPARE(m_page->keyboard()->keyboardPage()->selectedKeyCount(), selectedKeys);
    const int saves = stored.isEmpty() ? 0 : keys.count(4) + keys.count(5) + keys.count(58);
    QCOMPARE(m_reports.count("saved"), saves);
    if (saves > 0)
        QCOMPARE(m_reports.mid(0, 2), QStringList({"update 41", "saved"}));
}

void tst_DKeyCombinationPage::combinationSurvivesClosingThePopup()
{
    openPopup();
    pick(224);
    QTest::mousePress(m_window->findChild<QWidget *>("elsewhere"), Qt::LeftButton);
    QVERIFY(!m_page->isPopupOpen());
    openPopup();
    m_page->takeCapturedKey(4);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("2:1,4"));
    QCOMPARE(m_page->field()->text(), QString("L_CTRL+A"));
}

void tst_DKeyCombinationPage::loadShowsStoredCombination_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("5,30") << QByteArray("2") << QByteArray("5,30") << "L_CTRL+L_ALT+1!";
    QTest::newRow("picked in another order") << QByteArray("2") << QByteArray("65,4") << "L_CTRL+R_ALT+A";
    QTest::newRow("another type") << QByteArray("0") << QByteArray("4") << "";
}

void tst_DKeyCombinationPage::loadShowsStoredCombination()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    openPopup();
    pick(224);
    pick(4);
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, type.constData(), value);
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_page->field()->text(), shown);
    QCOMPARE(m_page->field()->placeholderText(), QString("Enter key?"));
    // A new combination starts from scratch and replaces the stored one.
    pick(225);
    pick(5);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("2:2,5"));
    QCOMPARE(m_page->field()->text(), QString("L_SHIFT+B"));
}

QTEST_MAIN(tst_DKeyCombinationPage)
#include "tst_DKeyCombinationPage.moc"
