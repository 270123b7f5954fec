#include "app/DDataManager.h"
#include "platform/FakeKeyHookBackend.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/MacroFileFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"

#include <QComboBox>
#include <QtTest>

// The advanced-key binding page: the list by id, what a load shows, what a pick stores.
class tst_DSeniorKeysBindingPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listIsByIdAndAPickStores();
    void storedIdIsShown_data();
    void storedIdIsShown();
    void noAdvancedKeysNothingToStore();
    void tabReloadsAChangedList();

private:
    KeyPageFixture *m_fixture = nullptr;
    MacroFileFixture *m_files = nullptr;
    DSeniorKeysBindingPage *m_page = nullptr;
    QComboBox *m_list = nullptr;
};

void tst_DSeniorKeysBindingPage::init()
{
    m_fixture = new KeyPageFixture;
    m_files = new MacroFileFixture;
    m_files->addSeniorKey(5, "DKS5");
    m_files->addSeniorKey(2, "MT2");
    m_files->addSeniorKey(9, "TGL9");
    m_files->addSeniorKey(7, "MT2");
    m_page = new DSeniorKeysBindingPage;
    m_list = m_page->findChild<QComboBox *>("comboBox_SeniorKeys");
    DDataManager::instance()->setCurrentKey(41, "Esc");
}

void tst_DSeniorKeysBindingPage::cleanup()
{
    delete m_page;
    delete m_files;
    delete m_fixture;
}

void tst_DSeniorKeysBindingPage::listIsByIdAndAPickStores()
{
    QSignalSpy saved(m_page, &DSeniorKeysBindingPage::sigCustomKeyInfoSaveSuccessful);
    m_page->loadCurrentKeyInfo();
    QStringList names;
    for (int item = 0; item < m_list->count(); ++item)
        names << m_list->itemText(item) + "=" + m_list->itemData(item).toString();
    QCOMPARE(names, QStringList({"MT2=2", "DKS5=5", "MT2=7", "TGL9=9"}));
    QCOMPARE(m_list->currentIndex(), 0);
    QCOMPARE(saved.size(), 0);
    // The item already shown is stored when picked.
    emit m_list->activated(0);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("40:2"));
    m_list->setCurrentIndex(3);
    QCOMPARE(saved.size(), 1);
    emit m_list->activated(3);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("40:9"));
    QCOMPARE(saved.size(), 2);
}

void tst_DSeniorKeysBindingPage::storedIdIsShown_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("bound to 9") << QByteArray("40") << QByteArray("9") << 3;
    QTest::newRow("second of two names shows the first") << QByteArray("40") << QByteArray("7") << 0;
    QTest::newRow("advanced key gone") << QByteArray("40") << QByteArray("4") << 0;
    QTest::newRow("text starting with an id") << QByteArray("6") << QByteArray("5 apples") << 1;
}

void tst_DSeniorKeysBindingPage::storedIdIsShown()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(int, shown);
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, type.constData(), value);
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_list->currentIndex(), shown);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("%1:%2").arg(type, value));
}

void tst_DSeniorKeysBindingPage::noAdvancedKeysNothingToStore()
{
    for (const QByteArray &path : {QByteArray(), QByteArray("/nonexistent/SeniorKeyConfig.xml")}) {
        MacroFileFixture empty;
        if (!path.isEmpty())
            DDataManager::instance()->setSeniorKeyXmlPath(path.constData());
        QSignalSpy saved(m_page, &DSeniorKeysBindingPage::sigCustomKeyInfoSaveSuccessful);
        m_page->loadCurrentKeyInfo();
        QCOMPARE(m_list->count(), 0);
        emit m_list->activated(0);
        QCOMPARE(saved.size(), 0);
        QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString());
    }
}

void tst_DSeniorKeysBindingPage::tabReloadsAChangedList()
{
    FakeKeyHookBackend backend;
    WindowsHookInterface::setBackend(&backend);
    DDataManager *data = DDataManager::instance();
    data->setMagneticKeyboard(true);
    {
        DCustomKeysPage tab;
        tab.setProfileIndex(2);
        tab.setProfileXmlPath(m_fixture->path(KeyPageFixture::DefaultLayer).constData());
        tab.initForDevice();
        auto *list = tab.findChild<DSeniorKeysBindingPage *>()->findChild<QComboBox *>("comboBox_SeniorKeys");
        tab.onCurIndexChanged_Key(40);
        QCOMPARE(list->count(), 4);
        m_files->addSeniorKey(11, "DKS11");
        emit data->sigSeniorKeysListItemHaveChanged();
        QCOMPARE(list->count(), 5);
        // Not reloaded while another function is shown.
        tab.onCurIndexChanged_Key(4);
        m_files->addSeniorKey(12, "DKS12");
        emit data->sigSeniorKeysListItemHaveChanged();
        QCOMPARE(list->count(), 5);
    }
    WindowsHookInterface::setBackend(nullptr);
}

QTEST_MAIN(tst_DSeniorKeysBindingPage)
#include "tst_DSeniorKeysBindingPage.moc"
