#pragma once

#include "platform/HostKeyActions.h"

#include <QStringList>

// Records host actions instead of carrying them out: "clipboard:<text>", "key:<vk>:down|up",
// "launch:<target>".
class FakeHostKeyActions : public HostKeyActions
{
public:
    void setClipboardText(const QString &text) override { actions << QStringLiteral("clipboard:") + text; }
    void sendVirtualKey(int virtualKey, bool up) override
    {
        actions << QStringLiteral("key:%1:%2")
                       .arg(virtualKey, 2, 16, QLatin1Char('0'))
                       .arg(up ? QStringLiteral("up") : QStringLiteral("down"));
    }
    void launch(const QString &target) override { actions << QStringLiteral("launch:") + target; }

    QStringList actions;
};
