#include "platform/X11KeyHookBackend.h"
#include "tests/support/XTestInjector.h"

#include <QtTest>

#include <X11/keysym.h>

#include <vector>

namespace {

struct KeyRecord
{
    int vk;
    int scan;
    int flags;
    WPARAM message;
};

std::vector<KeyRecord> g_keys;
std::vector<WPARAM> g_mouse;
std::vector<POINT> g_mousePoints;

LRESULT recordKeys(int, WPARAM wParam, LPARAM lParam)
{
    const auto *event = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
    g_keys.push_back({int(event->vkCode), int(event->scanCode), int(event->flags), wParam});
    return 0;
}

LRESULT recordMouse(int, WPARAM wParam, LPARAM lParam)
{
    g_mouse.push_back(wParam);
    g_mousePoints.push_back(reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam)->pt);
    return 0;
}

} // namespace

// The back end against a real X server (Xvfb): keys and clicks injected with XTest.
class tst_X11KeyHookBackend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void letterArrivesDownThenUp();
    void keypadEnterIsExtendedReturnIsNot();
    void leftClickGivesButtonMessages();
    void removedHookReportsNothing();

private:
    void tapKey(unsigned long keysym);

    XTestInjector m_injector;
    X11KeyHookBackend m_backend;
};

void tst_X11KeyHookBackend::initTestCase()
{
    QVERIFY2(m_injector.isOpen(), "needs an X display (run under xvfb-run)");
}

void tst_X11KeyHookBackend::init()
{
    g_keys.clear();
    g_mouse.clear();
    g_mousePoints.clear();
}

void tst_X11KeyHookBackend::cleanup()
{
    m_backend.removeKeyboardHook();
    m_backend.removeMouseHook();
}

void tst_X11KeyHookBackend::tapKey(unsigned long keysym)
{
    QVERIFY(m_injector.tapKey(keysym));
}

void tst_X11KeyHookBackend::letterArrivesDownThenUp()
{
    QVERIFY(m_backend.installKeyboardHook(&recordKeys, false));
    tapKey(XK_a);
    QTRY_COMPARE_WITH_TIMEOUT(g_keys.size(), size_t(2), 10000);
    QCOMPARE(g_keys[0].vk, 0x41);
    QCOMPARE(g_keys[0].scan, 0x1E);
    QCOMPARE(g_keys[0].flags, 0x00);
    QCOMPARE(g_keys[0].message, WM_KEYDOWN);
    QCOMPARE(g_keys[1].vk, 0x41);
    QCOMPARE(g_keys[1].scan, 0x1E);
    QCOMPARE(g_keys[1].flags, 0x80);
    QCOMPARE(g_keys[1].message, WM_KEYUP);
}

void tst_X11KeyHookBackend::keypadEnterIsExtendedReturnIsNot()
{
    QVERIFY(m_backend.installKeyboardHook(&recordKeys, false));
    tapKey(XK_KP_Enter);
    tapKey(XK_Return);
    QTRY_COMPARE_WITH_TIMEOUT(g_keys.size(), size_t(4), 10000);
    QCOMPARE(g_keys[0].vk, 13);
    QCOMPARE(g_keys[0].flags, 0x01);
    QCOMPARE(g_keys[1].flags, 0x81);
    QCOMPARE(g_keys[2].vk, 13);
    QCOMPARE(g_keys[2].flags, 0x00);
    QCOMPARE(g_keys[3].flags, 0x80);
}

void tst_X11KeyHookBackend::leftClickGivesButtonMessages()
{
    QVERIFY(m_backend.installMouseHook(&recordMouse));
    m_injector.click(40, 30);
    QTRY_COMPARE_WITH_TIMEOUT(g_mouse.size(), size_t(2), 10000);
    QCOMPARE(g_mouse[0], WM_LBUTTONDOWN);
    QCOMPARE(g_mouse[1], WM_LBUTTONUP);
    QCOMPARE(g_mousePoints[0].x, 40);
    QCOMPARE(g_mousePoints[0].y, 30);
}

void tst_X11KeyHookBackend::removedHookReportsNothing()
{
    // A mouse hook keeps the recording open, so a key after the keyboard hook's removal
    // would be reported if the removal were ignored.
    QVERIFY(m_backend.installMouseHook(&recordMouse));
    QVERIFY(m_backend.installKeyboardHook(&recordKeys, false));
    m_backend.removeKeyboardHook();
    tapKey(XK_b);
    // The left button: a right click on the desktop opens the window manager's menu, which keeps
    // the keyboard from the tests that follow.
    m_injector.click(-1, -1);
    QTRY_COMPARE_WITH_TIMEOUT(g_mouse.size(), size_t(2), 10000);
    QCOMPARE(g_keys.size(), size_t(0));
}

QTEST_GUILESS_MAIN(tst_X11KeyHookBackend)
#include "tst_X11KeyHookBackend.moc"
