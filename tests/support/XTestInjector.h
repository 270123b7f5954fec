#pragma once

struct _XDisplay;

// Xlib stays out of this header: its macros clash with Qt's.
// Keys and clicks injected into the X display of the test (Xvfb) as a user would make them.
class XTestInjector
{
public:
    XTestInjector();
    ~XTestInjector();
    XTestInjector(const XTestInjector &) = delete;
    XTestInjector &operator=(const XTestInjector &) = delete;

    bool isOpen() const { return m_display != nullptr; }
    // Press and release; false when the keysym has no key on this display.
    bool tapKey(unsigned long keysym);
    // Moves the pointer there (x, y; -1 keeps it) and clicks the button.
    void click(int x, int y, unsigned int button = 1);

private:
    _XDisplay *m_display;
};
