#include "app/DDataManager.h"
#include "platform/FakeKeyHookBackend.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

// The profile switch page, reached through the tab as the hidden function 10.
class tst_DChangProfilePage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onlyAPickOfAnotherProfileStores();
    void storedProfileIsShown_data();
    void storedProfileIsShown();

private:
    void openPage();

    KeyPageFixture *m_fixture = nullptr;
    FakeKeyHookBackend *m_backend = nullptr;
    DCustomKeysPage *m_tab = nullptr;
    QComboBox *m_list = nullptr;
};

void tst_DChangProfilePage::init()
{
    m_fixture = new KeyPageFixture;
    CVorlanXML_CreateProFileXmlParentNode(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "3", "Gaming", 0);
    m_backend = new FakeKeyHookBackend;
    WindowsHookInterface::setBackend(m_backend);
    m_tab = new DCustomKeysPage;
    m_tab->setProfileIndex(2);
    m_tab->setProfileXmlPath(m_fixture->path(KeyPageFixture::DefaultLayer).constData());
    m_tab->initForDevice();
    m_list = m_tab->findChild<DChangProfilePage *>()->findChild<QComboBox *>("comboBox_Profile");
}

void tst_DChangProfilePage::cleanup()
{
    delete m_tab;
    WindowsHookInterface::setBackend(nullptr);
    delete m_backend;
    delete m_fixture;
}

void tst_DChangProfilePage::openPage()
{
    DDataManager::instance()->setCurrentKey(41, "Esc");
    m_tab->onCurIndexChanged_Key(10);
    QCOMPARE(m_tab->functionCode(), 7);
}

void tst_DChangProfilePage::onlyAPickOfAnotherProfileStores()
{
    QSignalSpy tips(m_tab, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    openPage();
    QCOMPARE(m_list->count(), 3);
    QCOMPARE(m_list->currentText(), QString("Profile 1"));
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString());
    // The entry already shown: nothing.
    m_list->setCurrentIndex(0);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString());
    m_list->setCurrentIndex(2);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("7:3"));
    // Back to the first: stored as well (also the key's own profile).
    m_list->setCurrentIndex(1);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("7:2"));
    QCOMPARE(tips.size(), 2);
    QCOMPARE(tips.at(1).at(0).toString(), QString("Operate successful"));
    QVERIFY(m_tab->findChild<DChangProfilePage *>()->findChild<QLabel *>("label_2")->text() == "Assign Profile");
}

void tst_DChangProfilePage::storedProfileIsShown_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("profile 3") << QByteArray("7") << QByteArray("3") << "Gaming";
    QTest::newRow("profile no longer listed") << QByteArray("7") << QByteArray("8") << "Profile 1";
    QTest::newRow("entry of another type") << QByteArray("6") << QByteArray("3") << "Profile 1";
}

void tst_DChangProfilePage::storedProfileIsShown()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, type.constData(), value);
    openPage();
    QCOMPARE(m_list->currentText(), shown);
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("%1:%2").arg(type, value));
}

QTEST_MAIN(tst_DChangProfilePage)
#include "tst_DChangProfilePage.moc"
