#include "tests/support/XTestInjector.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTestInjector::XTestInjector()
    : m_display(XOpenDisplay(nullptr))
{
}

XTestInjector::~XTestInjector()
{
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

bool XTestInjector::tapKey(unsigned long keysym)
{
    const KeyCode code = XKeysymToKeycode(m_display, keysym);
    if (code == 0)
        return false;
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    XFlush(m_display);
    return true;
}

void XTestInjector::click(int x, int y, unsigned int button)
{
    if (x >= 0 && y >= 0)
        XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(m_display, button, True, CurrentTime);
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
    XFlush(m_display);
}
