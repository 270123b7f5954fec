#pragma once

#include <array>
#include <cstdint>
#include <string>

// One 64-byte report as it crosses the simulated keyboard's socket.
using SimReport = std::array<uint8_t, 64>;

// Report codes the simulated keyboard receives (out) and sends (in), as the program names them.
namespace SimCmd {
constexpr uint8_t Handshake = 0x00;
constexpr uint8_t Status = 0x01;
constexpr uint8_t SideLightModes = 0x02;
constexpr uint8_t KeyReport = 0x03;
constexpr uint8_t FullKey = 0x04;
constexpr uint8_t Multimedia = 0x05;
constexpr uint8_t KeyboardLight = 0x06;
constexpr uint8_t SideLight = 0x07;
constexpr uint8_t CustomLight = 0x08;
constexpr uint8_t LightModes = 0x09;
constexpr uint8_t KeyboardLightModes = 0x0A;
constexpr uint8_t LayoutCheck = 0x0D;
constexpr uint8_t LightStream = 0x0E;
constexpr uint8_t Settings = 0x13;
constexpr uint8_t SnInquiry = 0x14;
constexpr uint8_t Sn = 0x15;
constexpr uint8_t OnboardKeys = 0x17;
constexpr uint8_t OnboardMacro = 0x18;
constexpr uint8_t OnboardAck = 0x19;
constexpr uint8_t HostKey = 0x20;
constexpr uint8_t MagneticReply = 0x21;
constexpr uint8_t Magnetic = 0x29;
constexpr uint8_t OnboardAdvancedKey = 0x2A;
} // namespace SimCmd

// Hex text of a report, bytes separated by spaces ("01 15 00 ...").
std::string simReportHex(const SimReport& report);
std::string simBytesHex(const uint8_t* bytes, size_t count);
