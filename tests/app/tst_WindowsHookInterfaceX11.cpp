#include "app/WindowsHookInterface.h"

#include <QtTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

// What another X client sees while the hook runs on the X server (Xvfb): a focused window of
// a second connection, keys injected with XTest.
class tst_WindowsHookInterfaceX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void keyCaptureLetsOnlyPassKeysAndRepeatsThrough();
    void passThroughLetsEveryKeyThrough();

private:
    KeyCode code(KeySym keysym) const { return XKeysymToKeycode(m_injector, keysym); }
    void press(KeySym keysym);
    void release(KeySym keysym);
    // Key events of the client's window as "+code" / "-code", gathered until the hook has
    // reported `reports` events and the client has seen everything sent to it.
    QStringList clientEvents(int reports);

    Display *m_injector = nullptr;
    Display *m_client = nullptr;
    Window m_window = 0;
    WindowsHookInterface *m_hook = nullptr;
    int m_reports = 0;
};

void tst_WindowsHookInterfaceX11::initTestCase()
{
    m_injector = XOpenDisplay(nullptr);
    m_client = XOpenDisplay(nullptr);
    QVERIFY2(m_injector != nullptr && m_client != nullptr, "needs an X display (run under xvfb-run)");
    m_window = XCreateSimpleWindow(m_client, DefaultRootWindow(m_client), 0, 0, 200, 100, 0, 0, 0);
    XSelectInput(m_client, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    XMapWindow(m_client, m_window);
    XSync(m_client, False);
    QTRY_VERIFY_WITH_TIMEOUT(
        [this] {
            XWindowAttributes attributes{};
            XGetWindowAttributes(m_client, m_window, &attributes);
            return attributes.map_state == IsViewable;
        }(),
        10000);
    XSetInputFocus(m_client, m_window, RevertToParent, CurrentTime);
    XSync(m_client, False);
}

void tst_WindowsHookInterfaceX11::cleanupTestCase()
{
    if (m_client != nullptr)
        XCloseDisplay(m_client);
    if (m_injector != nullptr)
        XCloseDisplay(m_injector);
}

void tst_WindowsHookInterfaceX11::init()
{
    // Nothing of the previous case may linger in the client's queue.
    XSync(m_client, True);
    m_reports = 0;
    m_hook = new WindowsHookInterface;
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            [this](int, int, int, int) { ++m_reports; });
}

void tst_WindowsHookInterfaceX11::cleanup()
{
    delete m_hook;
    m_hook = nullptr;
}

void tst_WindowsHookInterfaceX11::press(KeySym keysym)
{
    XTestFakeKeyEvent(m_injector, code(keysym), True, CurrentTime);
    XFlush(m_injector);
}

void tst_WindowsHookInterfaceX11::release(KeySym keysym)
{
    XTestFakeKeyEvent(m_injector, code(keysym), False, CurrentTime);
    XFlush(m_injector);
}

QStringList tst_WindowsHookInterfaceX11::clientEvents(int reports)
{
    QStringList events;
    [&] { QTRY_COMPARE_WITH_TIMEOUT(m_reports, reports, 10000); }();
    // Everything the hook handed on was sent before it returned; a round trip of the client
    // after that brings it all in.
    XSync(m_injector, False);
    XSync(m_client, False);
    while (XPending(m_client) > 0) {
        XEvent event;
        XNextEvent(m_client, &event);
        if (event.type == KeyPress || event.type == KeyRelease)
            events << QStringLiteral("%1%2").arg(event.type == KeyPress ? '+' : '-').arg(event.xkey.keycode);
    }
    return events;
}

void tst_WindowsHookInterfaceX11::keyCaptureLetsOnlyPassKeysAndRepeatsThrough()
{
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 1);
    // The five pass keys (each lock key twice, to leave it off), and b.
    const QList<KeySym> passKeys{XK_Caps_Lock, XK_Num_Lock,    XK_Scroll_Lock, XK_Caps_Lock,
                                 XK_Num_Lock,  XK_Scroll_Lock, XK_Control_L,   XK_Control_R};
    for (KeySym key : passKeys) {
        press(key);
        release(key);
    }
    press(XK_b);
    release(XK_b);
    const QStringList seen = clientEvents(18);
    QStringList expected;
    for (KeySym key : passKeys)
        expected << QStringLiteral("+%1").arg(code(key)) << QStringLiteral("-%1").arg(code(key));
    QCOMPARE(seen, expected);

    // Held down, a reaches the client only through the server's auto-repeat.
    press(XK_a);
    QStringList repeats;
    QTRY_VERIFY_WITH_TIMEOUT((repeats << clientEvents(19), repeats.size() >= 2), 20000);
    release(XK_a);
    repeats << clientEvents(20);
    QCOMPARE(m_reports, 20);
    QVERIFY(!repeats.isEmpty());
    for (const QString &event : repeats)
        QCOMPARE(event, QStringLiteral("+%1").arg(code(XK_a)));

    // Caps Lock still toggles the lock state: pressed twice it is off again, once it is on.
    press(XK_Caps_Lock);
    release(XK_Caps_Lock);
    clientEvents(22);
    unsigned indicators = 0;
    XkbGetIndicatorState(m_client, XkbUseCoreKbd, &indicators);
    QVERIFY(indicators & 1u);
    press(XK_Caps_Lock);
    release(XK_Caps_Lock);
    clientEvents(24);
}

void tst_WindowsHookInterfaceX11::passThroughLetsEveryKeyThrough()
{
    QCOMPARE(m_hook->startHook(HOOK_INTERACT_LIGHT), 1);
    press(XK_a);
    release(XK_a);
    press(XK_Shift_L);
    release(XK_Shift_L);
    press(XK_Control_L);
    release(XK_Control_L);
    const QStringList seen = clientEvents(6);
    QCOMPARE(seen, (QStringList{
                       QStringLiteral("+%1").arg(code(XK_a)), QStringLiteral("-%1").arg(code(XK_a)),
                       QStringLiteral("+%1").arg(code(XK_Shift_L)), QStringLiteral("-%1").arg(code(XK_Shift_L)),
                       QStringLiteral("+%1").arg(code(XK_Control_L)), QStringLiteral("-%1").arg(code(XK_Control_L))}));
}

QTEST_GUILESS_MAIN(tst_WindowsHookInterfaceX11)
#include "tst_WindowsHookInterfaceX11.moc"
