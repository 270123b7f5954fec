#pragma once

// Report codes (byte 1) are the program's own table, so both sides read one definition.
#include "sdk/protocol/HidCmd.h"

#include <array>
#include <cstdint>
#include <string>

// One 64-byte report as it crosses the simulated keyboard's socket.
using SimReport = std::array<uint8_t, 64>;

// Hex text of a report, bytes separated by spaces ("01 15 00 ...").
std::string simReportHex(const SimReport &report);
std::string simBytesHex(const uint8_t *bytes, size_t count);
