#pragma once

#include "platform/HostKeyActions.h"

// The desktop's own host actions: the application clipboard, XTest synthetic keys on the X
// display, and QDesktopServices / QProcess::startDetached for launching.
class DesktopHostKeyActions : public HostKeyActions
{
public:
    static DesktopHostKeyActions *instance();

    void setClipboardText(const QString &text) override;
    void sendVirtualKey(int virtualKey, bool up) override;
    void launch(const QString &target) override;

    // The X keysym for a virtual key; 0 for keys without one here.
    static unsigned long keysymForVirtualKey(int virtualKey);
};
