#include "platform/X11KeyHookBackend.h"

#include "platform/X11KeyTranslator.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QtDebug>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>

namespace {

void recordCallback(XPointer closure, XRecordInterceptData *data)
{
    auto *backend = reinterpret_cast<X11KeyHookBackend *>(closure);
    if (data->category == XRecordFromServer && data->data_len > 0)
        backend->onRecordedEvent(data->data);
    XRecordFreeData(data);
}

// The hook follows the desktop the program shows on; other platforms have no global hook.
bool onX11Desktop()
{
    // qGuiApp is a plain cast: a core application is no GUI and leaves the choice to the display.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return true;
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

Window windowUnderPointer(Display *display, Window root)
{
    Window current = root;
    for (int depth = 0; depth < 64; ++depth) {
        Window rootReturn = 0;
        Window child = 0;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned mask = 0;
        if (!XQueryPointer(display, current, &rootReturn, &child, &rootX, &rootY, &x, &y, &mask) || child == None)
            break;
        current = child;
    }
    return current;
}

} // namespace

X11KeyHookBackend::X11KeyHookBackend() = default;

X11KeyHookBackend::~X11KeyHookBackend()
{
    m_keyboardProc = nullptr;
    m_mouseProc = nullptr;
    m_dispatching = false;
    closeRecording();
}

bool X11KeyHookBackend::installKeyboardHook(HOOKPROC proc, bool swallowing)
{
    if (!openRecording())
        return false;
    if (swallowing && !m_grabbed) {
        const int status =
            XGrabKeyboard(m_control, DefaultRootWindow(m_control), False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (status != GrabSuccess) {
            qDebug().noquote() << "X11 hook: keyboard grab refused, status" << status;
            closeWhenUnused();
            return false;
        }
        m_grabbed = true;
        XFlush(m_control);
    }
    m_keyboardProc = proc;
    return true;
}

bool X11KeyHookBackend::installMouseHook(HOOKPROC proc)
{
    if (!openRecording())
        return false;
    m_mouseProc = proc;
    return true;
}

void X11KeyHookBackend::removeKeyboardHook()
{
    m_keyboardProc = nullptr;
    if (m_grabbed && m_control != nullptr) {
        XUngrabKeyboard(m_control, CurrentTime);
        XFlush(m_control);
    }
    m_grabbed = false;
    closeWhenUnused();
}

void X11KeyHookBackend::removeMouseHook()
{
    m_mouseProc = nullptr;
    closeWhenUnused();
}

bool X11KeyHookBackend::openRecording()
{
    if (m_control != nullptr) {
        m_closePending = false;
        return true;
    }
    if (!onX11Desktop()) {
        qDebug().noquote() << "X11 hook: not available on platform" << QGuiApplication::platformName();
        return false;
    }
    m_control = XOpenDisplay(nullptr);
    if (m_control == nullptr) {
        qDebug().noquote() << "X11 hook: cannot open the X display";
        return false;
    }
    int major = 0, minor = 0;
    if (!XRecordQueryVersion(m_control, &major, &minor)) {
        qDebug().noquote() << "X11 hook: the X server has no RECORD extension";
        closeRecording();
        return false;
    }
    m_data = XOpenDisplay(DisplayString(m_control));
    if (m_data == nullptr) {
        qDebug().noquote() << "X11 hook: cannot open the recording connection";
        closeRecording();
        return false;
    }

    XRecordRange *range = XRecordAllocRange();
    if (range == nullptr) {
        closeRecording();
        return false;
    }
    range->device_events.first = KeyPress;
    range->device_events.last = ButtonRelease;
    XRecordClientSpec clients = XRecordAllClients;
    m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
    XFree(range);
    if (m_context == 0) {
        qDebug().noquote() << "X11 hook: cannot create the RECORD context";
        closeRecording();
        return false;
    }
    // The context must exist on the server before the data connection enables it.
    XSync(m_control, False);
    if (!XRecordEnableContextAsync(m_data, m_context, recordCallback, reinterpret_cast<XPointer>(this))) {
        qDebug().noquote() << "X11 hook: cannot enable the RECORD context";
        closeRecording();
        return false;
    }
    XFlush(m_data);

    // The server sends recorded data only when it flushes output to some client. When no
    // client listens to a key or button (an empty desktop) that would hold the data back, so
    // this connection listens to the raw device events, which every device event produces.
    int xiOpcode = 0, xiEvent = 0, xiError = 0;
    int xiMajor = 2, xiMinor = 2; // from 2.1 on raw events arrive during grabs too
    if (XQueryExtension(m_control, "XInputExtension", &xiOpcode, &xiEvent, &xiError)
        && XIQueryVersion(m_control, &xiMajor, &xiMinor) == Success) {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
        XIEventMask mask{XIAllDevices, int(sizeof(bits)), bits};
        XISelectEvents(m_control, DefaultRootWindow(m_control), &mask, 1);
        XFlush(m_control);
    }

    m_numLockMask = XkbKeysymToModifiers(m_control, XK_Num_Lock);
    m_keysDown.reset();

    m_dataNotifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_data), QSocketNotifier::Read);
    QObject::connect(m_dataNotifier.get(), &QSocketNotifier::activated, [this] { processReplies(); });
    m_controlNotifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_control), QSocketNotifier::Read);
    QObject::connect(m_controlNotifier.get(), &QSocketNotifier::activated, [this] { drainControl(); });
    // Replies that arrived while enabling are already buffered and raise no notifier.
    processReplies();
    return m_control != nullptr;
}

void X11KeyHookBackend::closeWhenUnused()
{
    if (m_keyboardProc != nullptr || m_mouseProc != nullptr || m_grabbed)
        return;
    // Never pull the connection from under XRecordProcessReplies: a procedure may stop the hook.
    if (m_dispatching)
        m_closePending = true;
    else
        closeRecording();
}

void X11KeyHookBackend::closeRecording()
{
    m_closePending = false;
    m_dataNotifier.reset();
    m_controlNotifier.reset();
    if (m_control != nullptr && m_context != 0) {
        XRecordDisableContext(m_control, m_context);
        XSync(m_control, False);
    }
    if (m_data != nullptr) {
        XCloseDisplay(m_data);
        m_data = nullptr;
    }
    if (m_control != nullptr) {
        if (m_context != 0)
            XRecordFreeContext(m_control, m_context);
        if (m_grabbed)
            XUngrabKeyboard(m_control, CurrentTime);
        XCloseDisplay(m_control);
        m_control = nullptr;
    }
    m_context = 0;
    m_grabbed = false;
}

void X11KeyHookBackend::processReplies()
{
    if (m_data == nullptr)
        return;
    m_dispatching = true;
    XRecordProcessReplies(m_data);
    m_dispatching = false;
    drainControl();
    if (m_closePending)
        closeRecording();
}

void X11KeyHookBackend::drainControl()
{
    // The grab delivers every key to this connection too; RECORD has reported them already.
    // A raw event here means the server holds a recorded event that it sends only with its
    // next output: a round trip makes that output, so the recorded event is not held back.
    if (m_control == nullptr)
        return;
    bool sawInput = true;
    while (sawInput) {
        sawInput = false;
        while (XPending(m_control) > 0) {
            XEvent event;
            XNextEvent(m_control, &event);
            if (event.type == GenericEvent)
                sawInput = true;
        }
        if (sawInput)
            XSync(m_control, False);
    }
}

void X11KeyHookBackend::onRecordedEvent(const unsigned char *wire)
{
    const auto *event = reinterpret_cast<const xEvent *>(wire);
    const int type = event->u.u.type & 0x7f;
    const int detail = event->u.u.detail;
    const unsigned long time = event->u.keyButtonPointer.time;
    const int rootX = event->u.keyButtonPointer.rootX;
    const int rootY = event->u.keyButtonPointer.rootY;
    const unsigned state = event->u.keyButtonPointer.state;
    switch (type) {
    case KeyPress:
    case KeyRelease: handleKey(detail, type == KeyRelease, time, rootX, rootY, state); break;
    case ButtonPress:
    case ButtonRelease: handleButton(detail, type == ButtonRelease, time, rootX, rootY); break;
    default: break;
    }
}

void X11KeyHookBackend::handleKey(int keyCode, bool release, unsigned long time, int rootX, int rootY, unsigned state)
{
    const bool altHeld = m_keysDown.test(64) || m_keysDown.test(108);
    if (keyCode >= 0 && keyCode < 256)
        m_keysDown.set(static_cast<size_t>(keyCode), !release);
    if (m_keyboardProc == nullptr)
        return;

    KBDLLHOOKSTRUCT record{};
    if (!X11KeyTranslator::translateKey(keyCode, release, altHeld, numLockLocked(), record)) {
        // A key Windows does not know is not reported, but must not be lost to the grab.
        if (m_grabbed)
            redeliverKey(keyCode, release, time, rootX, rootY, state);
        return;
    }
    record.time = static_cast<DWORD>(time);
    const bool alt = (record.flags & LLKHF_ALTDOWN) != 0;
    const WPARAM message = release ? (alt ? WM_SYSKEYUP : WM_KEYUP) : (alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    const bool grabbed = m_grabbed;
    const LRESULT result = m_keyboardProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&record));
    if (grabbed && m_control != nullptr && result == 0)
        redeliverKey(keyCode, release, time, rootX, rootY, state);
}

void X11KeyHookBackend::handleButton(int button, bool release, unsigned long time, int rootX, int rootY)
{
    if (m_mouseProc == nullptr)
        return;
    WPARAM message = 0;
    MSLLHOOKSTRUCT record{};
    if (!X11KeyTranslator::translateButton(button, release, message, record.mouseData))
        return;
    record.pt = {rootX, rootY};
    record.time = static_cast<DWORD>(time);
    m_mouseProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&record));
}

void X11KeyHookBackend::redeliverKey(int keyCode, bool release, unsigned long time, int rootX, int rootY,
                                     unsigned state)
{
    const Window root = DefaultRootWindow(m_control);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_control, &focus, &revert);
    if (focus == PointerRoot || focus == None)
        focus = windowUnderPointer(m_control, root);

    XEvent event{};
    XKeyEvent &key = event.xkey;
    key.type = release ? KeyRelease : KeyPress;
    key.display = m_control;
    key.window = focus;
    key.root = root;
    key.subwindow = None;
    key.time = time;
    key.x = rootX;
    key.y = rootY;
    key.x_root = rootX;
    key.y_root = rootY;
    key.state = state;
    key.keycode = static_cast<unsigned>(keyCode);
    key.same_screen = True;
    XSendEvent(m_control, focus, True, release ? KeyReleaseMask : KeyPressMask, &event);
    XFlush(m_control);
}

bool X11KeyHookBackend::numLockLocked()
{
    if (m_control == nullptr || m_numLockMask == 0)
        return true;
    XkbStateRec xkbState{};
    if (XkbGetState(m_control, XkbUseCoreKbd, &xkbState) != Success)
        return true;
    return (xkbState.locked_mods & m_numLockMask) != 0;
}
