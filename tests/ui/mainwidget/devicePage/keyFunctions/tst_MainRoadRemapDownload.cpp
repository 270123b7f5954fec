#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "widgets/CbNotice.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/SoftKeyboardButCustom.h"
#include "widgets/keyboardButCustom.h"

#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

// The on-board entry (4 bytes as hex) of the key at that place of the key list in a layer of the dump.
QString onboardEntry(const QJsonObject &memory, const QString &layer, int place)
{
    const QString bytes = memory.value("onboard").toObject().value("keyLayers").toObject().value(layer).toString();
    return bytes.mid(place * 12, 11);
}

} // namespace

// The program's main road against the simulated keyboard: pick a key on the keyboard picture,
// remap it on the Remap page's pop-up keyboard, download, and find the remap in the keyboard.
class tst_MainRoadRemapDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void remapOneKeyAndDownload();
    void cleanupTestCase();

private:
    KbdsimProcess m_sim;
    std::unique_ptr<DMainWidget> m_window;
    QString m_folder;
};

void tst_MainRoadRemapDownload::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath());
    QVERIFY(m_sim.start(m_folder + "/sim"));
}

void tst_MainRoadRemapDownload::cleanupTestCase()
{
    m_window.reset();
}

void tst_MainRoadRemapDownload::remapOneKeyAndDownload()
{
    int id = 0;
    QVERIFY(!m_sim.plug("Aster104", &id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->getKeyView(), Patience);
    auto *tab = page->findChild<DCustomKeysPage *>();
    QVERIFY(tab);
    // The device page has loaded the keyboard's current profile into the tab.
    QTRY_VERIFY_WITH_TIMEOUT(!tab->profileXmlPath().isEmpty(), Patience);

    // The picture's Esc key.
    DDataManager *data = DDataManager::instance();
    const QList<keyboardButCustom *> keyList = data->getKeyInfoList();
    keyboardButCustom *esc = data->getKeyButtonMap().value(41);
    QVERIFY(esc);
    const int escPlace = keyList.indexOf(esc);
    QVERIFY(escPlace >= 0);
    QTest::mouseClick(esc, Qt::LeftButton);
    QCOMPARE(data->getCurrentKeyDec(), 41);
    QCOMPARE(KeyPageFixture::tabKeyLabel(tab)->text(), QString("Esc"));

    // Remap: the pop-up keyboard opens on the field, A is picked, the pop-up closes on a click elsewhere.
    QTest::mouseClick(tab->findChild<QToolButton *>("toolButton_RemapKey"), Qt::LeftButton);
    QCOMPARE(tab->functionCode(), 1);
    auto *remap = tab->findChild<DChangeKeyPage *>();
    QTRY_VERIFY_WITH_TIMEOUT(remap->field()->isVisible(), Patience);
    QTest::mouseClick(remap->field(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(remap->isPopupOpen(), Patience);
    QCOMPARE(tab->hookMode(), int(HOOK_KEY_CAPTURE));
    SoftKeyboardButCustom *keyA = remap->keyboard()->keyboardPage()->keyButtons().value(4);
    QVERIFY(keyA);
    QTest::mouseClick(keyA, Qt::LeftButton);
    QCOMPARE(remap->field()->text(), QString("A"));
    QVERIFY(esc->isMarked());
    QTest::mouseClick(KeyPageFixture::tabKeyLabel(tab), Qt::LeftButton);
    QVERIFY(!remap->isPopupOpen());

    // Nothing has reached the keyboard yet.
    QVERIFY(onboardEntry(m_sim.dump(id), "0", escPlace) != QString("00 04 00 00"));

    // Download: the page runs it inside the click and shows its result.
    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    QVERIFY(!tab->isDownloading());
    auto *toast = page->findChild<CbNotice *>();
    QVERIFY(toast);
    QCOMPARE(toast->text(), QString("Download config successful"));
    QJsonObject memory;
    QTRY_COMPARE_WITH_TIMEOUT((memory = m_sim.dump(id), onboardEntry(memory, "0", escPlace)), QString("00 04 00 00"),
                              Patience);
    // Its neighbour keeps its own function.
    const int nextPlace = keyList.indexOf(data->getKeyButtonMap().value(58));
    QCOMPARE(onboardEntry(memory, "0", nextPlace), QString("00 3a 00 00"));
    qInfo().noquote() << "Esc in the keyboard's default layer:" << onboardEntry(memory, "0", escPlace);
}

QTEST_MAIN(tst_MainRoadRemapDownload)
#include "tst_MainRoadRemapDownload.moc"
