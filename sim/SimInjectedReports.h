#pragma once

#include "sim/SimReport.h"

#include <vector>

// Reports the simulated keyboard sends on its own.
namespace SimInjectedReports {

// 0x01 status: byte 5 marks it as a status report.
SimReport status(uint8_t keyLock, uint8_t charging, uint8_t battery, uint8_t connection, uint8_t receiverLink,
                 uint8_t downloadStatus, uint8_t keyboardMode);
// 0x04 forwarded key report: modifier byte, reserved byte, six key codes.
SimReport forwardedKeys(const std::vector<uint8_t> &keyState);
// 0x05 multimedia report: up to 13 payload bytes from byte 6.
SimReport multimedia(const std::vector<uint8_t> &payload);
// 0x20 host key.
SimReport hostKey(uint8_t keyCode, bool pressed);
// 0x09 custom-light slot in use.
SimReport customLightSlot(uint8_t slot);
// 0x0E column bitmap: 22 column bytes, bit r = row r.
SimReport keyBitmap(const std::vector<uint8_t> &columns);

} // namespace SimInjectedReports
