#include "sim/SimOnboardHandlers.h"

#include "sdk/protocol/OnboardLayout.h"
#include "sim/SimKeyboard.h"
#include "sim/SimStandardHandlers.h"

#include <algorithm>

void SimOnboardHandlers::keyLayer(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    SimOnboardMemory &onboard = keyboard.memory().onboard;
    const int layer = report[2];
    const int packet = report[4];
    const int length = report[5];
    const int first = packet * OnboardLayout::keysPerReport;
    if (layer > 2 || length % 4 != 0 || length > 4 * OnboardLayout::keysPerReport
        || first + length / 4 > OnboardLayout::keyPositions) {
        ++onboard.rejectedReports;
        return;
    }
    std::vector<uint8_t> &entries = onboard.keyLayers[layer];
    entries.resize(4 * OnboardLayout::keyPositions);
    std::copy_n(report.begin() + 6, length, entries.begin() + 4 * first);
}

void SimOnboardHandlers::macroPart(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    SimOnboardMemory &onboard = keyboard.memory().onboard;
    const int slotNumber = report[2];
    const int part = report[4];
    if (slotNumber >= OnboardLayout::macroSlots || part >= OnboardLayout::macroParts) {
        ++onboard.rejectedReports;
    } else {
        SimOnboardMemory::MacroSlot &slot = onboard.macros[static_cast<size_t>(slotNumber)];
        if (part == 0) {
            slot.playMode = report[7];
            slot.eventBytes = report[9];
            slot.playCount = report[11];
            std::copy_n(report.begin() + OnboardLayout::macroPartZeroOffset, OnboardLayout::macroPartZeroBytes,
                        slot.image.begin());
        } else {
            const int from = OnboardLayout::macroPartZeroBytes + OnboardLayout::macroPartBytes * (part - 1);
            const int length = part == OnboardLayout::macroParts - 1 ? OnboardLayout::macroLastPartBytes
                                                                     : OnboardLayout::macroPartBytes;
            std::copy_n(report.begin() + 6, length, slot.image.begin() + from);
        }
        slot.partsWritten |= static_cast<uint8_t>(1u << part);
    }
    // The firmware acknowledges every macro report, whether it could keep it or not.
    if (keyboard.passAck()) {
        SimReport ack = SimStandardHandlers::reply(CMD_ONBOARD_ACK);
        ack[2] = report[2];
        ack[4] = report[4];
        replies.push_back(ack);
    }
}

void SimOnboardHandlers::advancedKey(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    SimOnboardMemory &onboard = keyboard.memory().onboard;
    const int index = report[2];
    if (!keyboard.model().isMagnetic || index >= OnboardLayout::advancedKeyPlaces) {
        ++onboard.rejectedReports;
        return;
    }
    SimOnboardMemory::AdvancedKey &key = onboard.advancedKeys[static_cast<size_t>(index)];
    key.written = true;
    std::copy_n(report.begin() + 6, OnboardLayout::advancedKeySize, key.data.begin());
}
