#pragma once

#include "device/DDeviceKeyboardLink.h"
#include "tests/support/SimServerFixture.h"

#include <QList>

// Opens a device link to a simulated keyboard and waits for the end of its inquiry chain.
bool openSimLink(DDeviceKeyboardLink &link, SimServerFixture &sim, int keyboard, const char *model);

// Reports the keyboard received after the link queued a marker (the sleep inquiry) and the keyboard
// got it: everything queued before the marker has arrived by then. The marker is left out.
QList<QByteArray> receivedUpToMarker(DDeviceKeyboardLink &link, SimServerFixture &sim, int keyboard);

// One simulated keyboard with a device link opened to it.
struct SimLinkedKeyboard
{
    // Plugs the model and waits for the end of the link's inquiry chain.
    bool open(const char *model);
    // See receivedUpToMarker.
    QList<QByteArray> receivedUpToMarker();

    SimServerFixture sim;
    int keyboard = -1;
    DDeviceKeyboardLink link;
};
