#include "sim/SimLightHandlers.h"

#include "sdk/protocol/ModelCatalog.h"
#include "sim/SimKeyboard.h"

#include <algorithm>

namespace {

constexpr size_t kPayloadStart = 6;
constexpr size_t kPacketBytes = 54;
constexpr uint32_t kKeyPacketsAll = 0xff; // packets 0..7

uint32_t sidePacketsAll(const SimKeyboard &keyboard)
{
    const int leds = std::min(ModelCatalog::sideLightLedCount(keyboard.model().name), 60);
    const int packets = (leds + 17) / 18;
    return (1u << packets) - 1;
}

} // namespace

namespace SimLightHandlers {

void install(SimHandlerTable &table)
{
    table.setHandler(CMD_LIGHT_SYNC, lightSync);
    table.setHandler(CMD_LIGHT_STREAM, lightStream);
    table.setHandler(CMD_LIGHT_STATE, lightState);
}

void lightSync(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    SimLightStreamMemory &stream = keyboard.memory().lightStream;
    stream.synchronised = report[6] == 1;
    stream.keyPackets = stream.sidePackets = 0;
}

void lightStream(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    SimLightStreamMemory &stream = keyboard.memory().lightStream;
    if (!stream.synchronised) {
        keyboard.noteReceived("light stream while not synchronised: ignored");
        return;
    }
    const uint8_t area = report[2];
    const size_t packet = report[4];
    const size_t count = std::min<size_t>(report[5], kPacketBytes);
    uint8_t *buffer = area == 0 ? stream.keys.data() : stream.side.data();
    const size_t size = area == 0 ? stream.keys.size() : stream.side.size();
    const size_t start = packet * kPacketBytes;
    if (area > 1 || start >= size) {
        keyboard.noteReceived("light stream packet refused");
        return;
    }
    std::copy_n(report.begin() + kPayloadStart, std::min(count, size - start), buffer + start);
    (area == 0 ? stream.keyPackets : stream.sidePackets) |= 1u << packet;
    if (stream.keyPackets == kKeyPacketsAll && stream.sidePackets == sidePacketsAll(keyboard)) {
        ++stream.completeSets;
        stream.keyPackets = stream.sidePackets = 0;
    }
}

void lightState(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    SimLightStreamMemory &stream = keyboard.memory().lightStream;
    std::copy(report.begin(), report.end(), stream.lastState.begin());
    stream.haveState = true;
}

} // namespace SimLightHandlers
