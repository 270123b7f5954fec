#pragma once

#include <QString>

// What the PC does for the keys a keyboard hands over: put a text on the clipboard, press and
// release keys as if typed, open a file, program or address. Callers speak Windows virtual-key
// codes, as the keyboard's key tables do.
class HostKeyActions
{
public:
    static constexpr int VirtualKeyControl = 0x11;
    static constexpr int VirtualKeyV = 0x56;

    virtual ~HostKeyActions() = default;

    virtual void setClipboardText(const QString &text) = 0;
    virtual void sendVirtualKey(int virtualKey, bool up) = 0;
    // An empty target does nothing.
    virtual void launch(const QString &target) = 0;
};
