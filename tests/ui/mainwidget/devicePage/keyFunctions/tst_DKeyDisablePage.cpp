#include "app/DDataManager.h"
#include "platform/FakeKeyHookBackend.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <list>
#include <string>

// The disable page: OK stores the disable entry in place of any other, Cancel stores nothing.
class tst_DKeyDisablePage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadShowsOnlyTheKeyName();
    void okReplacesTheKeysEntry_data();
    void okReplacesTheKeysEntry();
    void cancelWritesNothingAndTabShowsDefault();

private:
    QPushButton *button(const char *name) const { return m_page->findChild<QPushButton *>(name); }
    QString keyLabel() const { return m_page->findChild<QLabel *>("label_KeyChar")->text(); }

    KeyPageFixture *m_fixture = nullptr;
    DKeyDisablePage *m_page = nullptr;
    QStringList m_reports;
};

void tst_DKeyDisablePage::init()
{
    m_fixture = new KeyPageFixture;
    m_page = new DKeyDisablePage;
    m_reports.clear();
    connect(m_page, &DKeyDisablePage::sigShoudUpdateKeyboard, this,
            [this](int keyDec) { m_reports << QString("update %1").arg(keyDec); });
    connect(m_page, &DKeyDisablePage::sigCustomKeyInfoSaveSuccessful, this, [this] { m_reports << "saved"; });
    connect(m_page, &DKeyDisablePage::sigClickedCancel, this, [this] { m_reports << "cancel"; });
    DDataManager::instance()->setCurrentKey(41, "Esc");
    m_page->show();
}

void tst_DKeyDisablePage::cleanup()
{
    delete m_page;
    delete m_fixture;
}

void tst_DKeyDisablePage::loadShowsOnlyTheKeyName()
{
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "5", "-1");
    m_page->loadCurrentKeyInfo();
    QCOMPARE(keyLabel(), QString("Esc"));
    DDataManager::instance()->setCurrentKey(42, QString::fromUtf8("Ü F1"));
    m_page->loadCurrentKeyInfo();
    QCOMPARE(keyLabel(), QString::fromUtf8("Ü F1"));
    // A language change keeps the key's name.
    m_page->retranslate();
    QCOMPARE(keyLabel(), QString::fromUtf8("Ü F1"));
    QCOMPARE(m_page->findChild<QLabel *>("label_3")->text(), QString("Disable"));
    QCOMPARE(button("pushButton_OK")->text(), QString("OK"));
    QCOMPARE(button("pushButton_Cancel")->size(), QSize(82, 30));
    QVERIFY(m_reports.isEmpty());
}

void tst_DKeyDisablePage::okReplacesTheKeysEntry_data()
{
    QTest::addColumn<QByteArray>("storedType");
    QTest::newRow("no entry") << QByteArray();
    QTest::newRow("multimedia") << QByteArray("3");
    QTest::newRow("already disabled") << QByteArray("5");
}

void tst_DKeyDisablePage::okReplacesTheKeysEntry()
{
    QFETCH(QByteArray, storedType);
    if (!storedType.isEmpty())
        m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, storedType.constData(), "2");
    m_page->loadCurrentKeyInfo();
    QTest::mouseClick(button("pushButton_OK"), Qt::LeftButton);
    QTest::mouseClick(button("pushButton_OK"), Qt::LeftButton);
    const KeyOperateInfo info = m_fixture->entry(KeyPageFixture::DefaultLayer, 2, 41);
    QCOMPARE(QString("%1 %2 %3 %4").arg(info.operateType, info.count, info.mode, info.value), QString("5 1 1 -1"));
    std::list<std::string> keys;
    CVorlanXML_ProFileKeyInfoSelectAll(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", &keys);
    QCOMPARE(keys.size(), size_t(1));
    QCOMPARE(m_reports, QStringList({"update 41", "saved", "update 41", "saved"}));
}

void tst_DKeyDisablePage::cancelWritesNothingAndTabShowsDefault()
{
    FakeKeyHookBackend backend;
    WindowsHookInterface::setBackend(&backend);
    {
        DCustomKeysPage tab;
        tab.setProfileIndex(2);
        tab.setProfileXmlPath(m_fixture->path(KeyPageFixture::DefaultLayer).constData());
        m_fixture->makeKeyCaps(&tab, {41});
        tab.initForDevice();
        m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "3", "2");
        DDataManager::instance()->setCurrentKey(41, "Esc");
        QTest::mouseClick(tab.findChild<QToolButton *>("toolButton_Disable"), Qt::LeftButton);
        auto *stack = tab.findChild<QStackedWidget *>("stackedWidget_Customize");
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_Disable"));
        auto *page = tab.findChild<DKeyDisablePage *>();
        QCOMPARE(page->findChild<QLabel *>("label_KeyChar")->text(), QString("Esc"));

        QSignalSpy tips(&tab, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        page->findChild<QPushButton *>("pushButton_Cancel")->click();
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_Default"));
        QVERIFY(tab.findChild<QToolButton *>("toolButton_Default")->isChecked());
        QCOMPARE(tips.size(), 0);
        QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("3:2"));
    }
    WindowsHookInterface::setBackend(nullptr);
}

QTEST_MAIN(tst_DKeyDisablePage)
#include "tst_DKeyDisablePage.moc"
