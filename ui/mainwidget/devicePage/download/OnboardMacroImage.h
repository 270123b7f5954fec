#pragma once

#include "sdk/protocol/OnboardLayout.h"
#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>

#include <list>

// A macro as the keyboard stores it in one on-board slot: 4 bytes per event in play order
// (code, press/mouse flags, big-endian delay before the next event), zero-padded to 248 bytes.
class OnboardMacroImage
{
public:
    static constexpr int imageSize = OnboardLayout::macroImageSize;
    static constexpr int maxEvents = imageSize / 4;

    // Events beyond the 62 the slot holds are left out; isComplete() then says so.
    static OnboardMacroImage build(const std::list<MacroEvent> &events);

    const QByteArray &bytes() const { return m_bytes; }
    int eventCount() const { return m_eventCount; }
    bool isComplete() const { return m_complete; }

private:
    OnboardMacroImage();

    QByteArray m_bytes;
    int m_eventCount = 0;
    bool m_complete = true;
};
