#include "sim/SimInjectedReports.h"

#include "sim/SimStandardHandlers.h"

#include <algorithm>

namespace SimInjectedReports {

namespace {

SimReport withPayload(uint8_t command, const std::vector<uint8_t> &payload, size_t maxBytes)
{
    SimReport out = SimStandardHandlers::reply(command);
    const size_t count = std::min(payload.size(), maxBytes);
    std::copy(payload.begin(), payload.begin() + static_cast<long>(count), out.begin() + 6);
    return out;
}

} // namespace

SimReport status(uint8_t keyLock, uint8_t charging, uint8_t battery, uint8_t connection, uint8_t receiverLink,
                 uint8_t downloadStatus, uint8_t keyboardMode)
{
    SimReport out = SimStandardHandlers::reply(CMD_STATUS);
    out[5] = 9;
    out[6] = keyLock;
    out[9] = charging;
    out[10] = battery;
    out[11] = connection;
    out[12] = receiverLink;
    out[13] = downloadStatus;
    out[14] = keyboardMode;
    return out;
}

SimReport forwardedKeys(const std::vector<uint8_t> &keyState)
{
    SimReport out = withPayload(CMD_FULL_KEY, keyState, 8);
    out[5] = 8;
    return out;
}

SimReport multimedia(const std::vector<uint8_t> &payload)
{
    SimReport out = withPayload(CMD_MULTIMEDIA, payload, 13);
    out[5] = 13;
    return out;
}

SimReport hostKey(uint8_t keyCode, bool pressed)
{
    SimReport out = SimStandardHandlers::reply(CMD_HOST_KEY);
    out[9] = keyCode;
    out[10] = pressed ? 1 : 0;
    return out;
}

SimReport customLightSlot(uint8_t slot)
{
    SimReport out = SimStandardHandlers::reply(CMD_LIGHT_MODES);
    out[2] = slot;
    return out;
}

SimReport keyBitmap(const std::vector<uint8_t> &columns)
{
    return withPayload(CMD_LIGHT_STREAM, columns, 22);
}

} // namespace SimInjectedReports
