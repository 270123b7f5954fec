#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "tests/support/XTestInjector.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
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

#include <X11/keysym.h>

namespace {

const int Patience = 20000;

// The on-board entry (4 bytes as hex) of the key at that place of the key list in a layer of the dump.
QString onboardEntry(const QJsonObject &memory, const QString &layer, int place)
{
    const QString bytes = memory.value("onboard").toObject().value("keyLayers").toObject().value(layer).toString();
    return bytes.mid(place * 12, 11);
}

} // namespace

// The program's main road against the simulated keyboard, with the clicks and keys of a user on the
// X display (under a window manager as in test.sh, or on a bare server): pick a key on the keyboard
// picture, remap it on the Remap page's pop-up keyboard, give another key a combination typed on the
// physical keyboard, download, and find both in the keyboard.
class tst_MainRoadRemapDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void remapCombineAndDownload();
    void cleanupTestCase();

private:
    void click(QWidget *widget);
    // Picks the key on the keyboard picture.
    void selectKey(DCustomKeysPage *tab, int keyDec, const QString &legend);
    // Opens the page's pop-up with a click on its field; it stays open while it captures.
    void openPopup(DKeyCapturePage *page);
    // A click on a control of the window that the page's pop-up does not cover closes it.
    void closePopupByClickingElsewhere(DKeyCapturePage *page);

    KbdsimProcess m_sim;
    XTestInjector m_injector;
    std::unique_ptr<DMainWidget> m_window;
    QString m_folder;
};

void tst_MainRoadRemapDownload::initTestCase()
{
    QVERIFY2(m_injector.isOpen(), "needs an X display (run under xvfb-run)");
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath());
    QVERIFY(m_sim.start(m_folder + "/sim"));
}

void tst_MainRoadRemapDownload::cleanupTestCase()
{
    m_window.reset();
}

void tst_MainRoadRemapDownload::click(QWidget *widget)
{
    QTRY_VERIFY_WITH_TIMEOUT(widget->isVisible(), Patience);
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    // The window manager may still be placing a window: aim only once the widget is under the point.
    auto aimedAt = [&] {
        QWidget *under = QApplication::widgetAt(centre);
        return under == widget || widget->isAncestorOf(under);
    };
    QTRY_VERIFY_WITH_TIMEOUT(aimedAt(), Patience);
    m_injector.click(centre.x(), centre.y());
}

void tst_MainRoadRemapDownload::selectKey(DCustomKeysPage *tab, int keyDec, const QString &legend)
{
    DDataManager *data = DDataManager::instance();
    keyboardButCustom *key = data->getKeyButtonMap().value(keyDec);
    QVERIFY(key);
    click(key);
    QTRY_COMPARE_WITH_TIMEOUT(data->getCurrentKeyDec(), keyDec, Patience);
    QTRY_COMPARE_WITH_TIMEOUT(KeyPageFixture::tabKeyLabel(tab)->text(), legend, Patience);
}

void tst_MainRoadRemapDownload::openPopup(DKeyCapturePage *page)
{
    QTRY_VERIFY_WITH_TIMEOUT(page->field()->isVisible(), Patience);
    // The page's layout settles before the field is aimed at.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    click(page->field());
    QTRY_VERIFY_WITH_TIMEOUT(page->isPopupOpen() && page->keyboard()->isVisible(), Patience);
    // The key hook has grabbed the keyboard by now; the pop-up outlives the focus change.
    QTest::qWait(2000);
    QVERIFY(page->isPopupOpen());
    QVERIFY(page->keyboard()->isVisible());
}

void tst_MainRoadRemapDownload::closePopupByClickingElsewhere(DKeyCapturePage *page)
{
    const QRect popup = page->keyboard()->window()->frameGeometry();
    QWidget *elsewhere = nullptr;
    for (const char *name : {"label_KeyChar", "pushButton_Restore", "label"}) {
        QWidget *candidate = m_window->findChild<QWidget *>(name);
        if (candidate && candidate->isVisible()
            && !popup.contains(candidate->mapToGlobal(candidate->rect().center()))) {
            elsewhere = candidate;
            break;
        }
    }
    QVERIFY(elsewhere);
    click(elsewhere);
    QTRY_VERIFY_WITH_TIMEOUT(!page->isPopupOpen(), Patience);
}

void tst_MainRoadRemapDownload::remapCombineAndDownload()
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
    DDataManager *data = DDataManager::instance();
    const QList<keyboardButCustom *> keyList = data->getKeyInfoList();
    const int escPlace = keyList.indexOf(data->getKeyButtonMap().value(41));
    const int tabPlace = keyList.indexOf(data->getKeyButtonMap().value(43));
    QVERIFY(escPlace >= 0 && tabPlace >= 0);

    // Remap Esc: A is picked on the pop-up keyboard, a click elsewhere closes it.
    selectKey(tab, 41, "Esc");
    if (QTest::currentTestFailed())
        return;
    QTest::mouseClick(tab->findChild<QToolButton *>("toolButton_RemapKey"), Qt::LeftButton);
    QCOMPARE(tab->functionCode(), 1);
    auto *remap = tab->findChild<DChangeKeyPage *>();
    openPopup(remap);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(tab->hookMode(), int(HOOK_KEY_CAPTURE));
    SoftKeyboardButCustom *keyA = remap->keyboard()->keyboardPage()->keyButtons().value(4);
    QVERIFY(keyA);
    click(keyA);
    QTRY_COMPARE_WITH_TIMEOUT(remap->field()->text(), QString("A"), Patience);
    QVERIFY(remap->isPopupOpen());
    closePopupByClickingElsewhere(remap);
    if (QTest::currentTestFailed())
        return;

    // Tab gets L_CTRL+A, typed on the physical keyboard while the pop-up captures.
    selectKey(tab, 43, "Tab");
    if (QTest::currentTestFailed())
        return;
    QTest::mouseClick(tab->findChild<QToolButton *>("toolButton_CombinationKey"), Qt::LeftButton);
    auto *combination = tab->findChild<DKeyCombinationPage *>();
    QVERIFY(combination);
    openPopup(combination);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(m_injector.tapKey(XK_Control_L));
    QVERIFY(m_injector.tapKey(XK_a));
    QTRY_COMPARE_WITH_TIMEOUT(combination->field()->text(), QString("L_CTRL+A"), Patience);
    closePopupByClickingElsewhere(combination);
    if (QTest::currentTestFailed())
        return;

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
    QCOMPARE(onboardEntry(memory, "0", tabPlace), QString("13 e0 04 00"));
    // A neighbour keeps its own function.
    const int nextPlace = keyList.indexOf(data->getKeyButtonMap().value(58));
    QCOMPARE(onboardEntry(memory, "0", nextPlace), QString("00 3a 00 00"));
    qInfo().noquote() << "Esc and Tab in the keyboard's default layer:" << onboardEntry(memory, "0", escPlace)
                      << onboardEntry(memory, "0", tabPlace);
}

QTEST_MAIN(tst_MainRoadRemapDownload)
#include "tst_MainRoadRemapDownload.moc"
