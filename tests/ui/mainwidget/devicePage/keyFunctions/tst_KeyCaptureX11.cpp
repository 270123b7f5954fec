#include "app/DDataManager.h"
#include "tests/support/XTestInjector.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/SoftKeyboardButCustom.h"

#include <QLineEdit>
#include <QtTest>

#include <X11/keysym.h>

// Key capture on a real display without a window manager: nobody deactivates the pop-up, yet a
// click elsewhere must close it and end the capture. Keys and clicks are injected with XTest and
// reach the tab through the desktop's hook back end.
class tst_KeyCaptureX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void capturesWhileOpenAndStopsOnClickElsewhere();

private:
    void click(const QPoint &globalPoint);
    void tapKey(unsigned long keysym);

    XTestInjector m_injector;
};

void tst_KeyCaptureX11::initTestCase()
{
    QVERIFY2(m_injector.isOpen(), "needs an X display (run under xvfb-run)");
}

void tst_KeyCaptureX11::click(const QPoint &globalPoint)
{
    m_injector.click(globalPoint.x(), globalPoint.y());
}

void tst_KeyCaptureX11::tapKey(unsigned long keysym)
{
    QVERIFY(m_injector.tapKey(keysym));
}

void tst_KeyCaptureX11::capturesWhileOpenAndStopsOnClickElsewhere()
{
    KeyPageFixture fixture;
    DCustomKeysPage tab;
    tab.setProfileIndex(2);
    tab.setProfileXmlPath(fixture.path(KeyPageFixture::DefaultLayer).constData());
    tab.setGeometry(20, 500, 1100, 300);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    // Without a window manager a click gives no focus: the user's window is made active once.
    tab.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&tab));
    tab.initForDevice();
    DDataManager::instance()->setCurrentKey(41, "Esc");
    tab.onCurIndexChanged_Key(2);
    auto *remap = tab.findChild<DChangeKeyPage *>();
    QSignalSpy saves(remap, &DChangeKeyPage::sigCustomKeyInfoSaveSuccessful);
    // The page's layout settles (the press choice is hidden) before the field is aimed at.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto fieldCentre = [remap] { return remap->field()->mapToGlobal(remap->field()->rect().center()); };
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::widgetAt(fieldCentre()), static_cast<QWidget *>(remap->field()), 10000);
    const QPoint field = fieldCentre();

    click(field);
    QTRY_VERIFY_WITH_TIMEOUT(remap->isPopupOpen(), 10000);
    QCOMPARE(tab.hookMode(), int(HOOK_KEY_CAPTURE));
    tapKey(XK_b);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:5"), 10000);

    // The pop-up holds the pointer, yet its own keys still take clicks.
    SoftKeyboardButCustom *keyA = remap->keyboard()->keyboardPage()->keyButtons().value(4);
    QVERIFY(keyA);
    QTRY_VERIFY_WITH_TIMEOUT(keyA->isVisible(), 10000);
    click(keyA->mapToGlobal(keyA->rect().center()));
    QTRY_COMPARE_WITH_TIMEOUT(fixture.entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:4"), 10000);
    QVERIFY(remap->isPopupOpen());

    // A click where no window of the program is (another program, the bare screen).
    click(QPoint(1800, 100));
    QTRY_VERIFY_WITH_TIMEOUT(!remap->isPopupOpen(), 10000);
    QVERIFY(!remap->keyboard()->isVisible());

    // With the capture stopped this key goes nowhere; the next capture takes only its own key.
    tapKey(XK_c);
    click(field);
    QTRY_VERIFY_WITH_TIMEOUT(remap->isPopupOpen(), 10000);
    tapKey(XK_d);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("0:7"), 10000);
    QCOMPARE(saves.size(), 3);
}

QTEST_MAIN(tst_KeyCaptureX11)
#include "tst_KeyCaptureX11.moc"
