#include "platform/DesktopHostKeyActions.h"

#include "platform/HostLaunchTarget.h"

#include <QClipboard>
#include <QDebug>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QX11Info>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

DesktopHostKeyActions *DesktopHostKeyActions::instance()
{
    static DesktopHostKeyActions actions;
    return &actions;
}

void DesktopHostKeyActions::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        qWarning().noquote() << "No clipboard: the key's text is not pasted";
        return;
    }
    clipboard->setText(text, QClipboard::Clipboard);
}

unsigned long DesktopHostKeyActions::keysymForVirtualKey(int virtualKey)
{
    if (virtualKey == VirtualKeyControl)
        return XK_Control_L;
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return XK_a + static_cast<unsigned long>(virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return XK_0 + static_cast<unsigned long>(virtualKey - '0');
    return 0;
}

void DesktopHostKeyActions::sendVirtualKey(int virtualKey, bool up)
{
    Display *display = QX11Info::isPlatformX11() ? QX11Info::display() : nullptr;
    if (!display) {
        qWarning().noquote() << "No X display: synthetic key" << virtualKey << "skipped";
        return;
    }
    const unsigned long keysym = keysymForVirtualKey(virtualKey);
    const KeyCode keycode = keysym ? XKeysymToKeycode(display, keysym) : 0;
    if (!keycode) {
        qWarning().noquote() << "No X key for virtual key" << virtualKey << "- synthetic key skipped";
        return;
    }
    XTestFakeKeyEvent(display, keycode, up ? False : True, CurrentTime);
    XFlush(display);
}

void DesktopHostKeyActions::launch(const QString &target)
{
    const HostLaunchTarget launchTarget = HostLaunchTarget::classify(target);
    switch (launchTarget.kind()) {
    case HostLaunchTarget::Kind::Nothing:
        if (!target.trimmed().isEmpty())
            qWarning().noquote() << "Cannot launch" << target << "- neither a file nor an address";
        return;
    case HostLaunchTarget::Kind::Program:
        if (!QProcess::startDetached(launchTarget.program(), QStringList()))
            qWarning().noquote() << "Cannot start" << launchTarget.program();
        return;
    case HostLaunchTarget::Kind::Url:
        if (!QDesktopServices::openUrl(launchTarget.url()))
            qWarning().noquote() << "Cannot open" << launchTarget.url().toString();
        return;
    }
}
