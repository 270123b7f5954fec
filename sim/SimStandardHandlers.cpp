#include "sim/SimStandardHandlers.h"

#include "sim/SimKeyboard.h"

#include <algorithm>
#include <cstring>

namespace SimStandardHandlers {

namespace {

constexpr uint8_t kModeListMarker = 0xA5;
constexpr size_t kSerialLength = 32;
constexpr uint8_t kKeyboardLightSetting = 0x0E;
constexpr uint8_t kSideLightSetting = 0x0D;
constexpr size_t kCustomLightPackets = 8;
constexpr size_t kCustomLightPacketBytes = 18 * 3;

void putBigEndian16(SimReport &report, size_t offset, uint16_t value)
{
    report[offset] = static_cast<uint8_t>(value >> 8);
    report[offset + 1] = static_cast<uint8_t>(value & 0xff);
}

uint16_t bigEndian16(const SimReport &report, size_t offset)
{
    return static_cast<uint16_t>(report[offset] << 8 | report[offset + 1]);
}

SimReport magneticReply(uint8_t subCommand, uint8_t value)
{
    SimReport out = reply(CMD_MAGNETIC_REPLY);
    out[6] = subCommand;
    out[7] = value;
    return out;
}

// Byte 7 = 0 asks, 1 sets the value in byte 8; both are answered with the value kept.
void inquireOrSet(uint8_t &value, const SimReport &report, SimReplies &replies)
{
    if (report[7] == 1)
        value = report[8];
    replies.push_back(magneticReply(report[6], value));
}

SimLightRecord lightRecordOf(const SimReport &report)
{
    SimLightRecord record;
    record.mode = report[6];
    record.brightness = report[7];
    record.speed = report[8];
    std::copy_n(report.begin() + 9, 3, std::begin(record.color));
    std::copy_n(report.begin() + 12, 3, std::begin(record.bgColor));
    record.direction = report[15];
    record.fullColor = report[16];
    record.extra = report[17];
    return record;
}

void storeLightSetting(SimKeyboard &keyboard, const SimReport &report, SimLightRecord &record,
                       const std::vector<uint8_t> &reportedModes)
{
    record = lightRecordOf(report);
    if (std::find(reportedModes.begin(), reportedModes.end(), record.mode) == reportedModes.end())
        keyboard.noteReceived("mode not reported");
}

} // namespace

SimReport reply(uint8_t command)
{
    SimReport out{};
    out[0] = 1;
    out[1] = command;
    return out;
}

SimReport lightRecordReport(uint8_t command, const SimLightRecord &record)
{
    SimReport out = reply(command);
    out[6] = record.mode;
    out[7] = record.brightness;
    out[8] = record.speed;
    std::copy(std::begin(record.color), std::end(record.color), out.begin() + 9);
    std::copy(std::begin(record.bgColor), std::end(record.bgColor), out.begin() + 12);
    out[15] = record.direction;
    out[16] = record.fullColor;
    out[17] = record.extra;
    return out;
}

SimReport modeListReport(uint8_t command, const std::vector<uint8_t> &modes, int speedSteps, int brightnessSteps)
{
    SimReport out = reply(command);
    // Codes, the marker and the two step counts must fit in bytes 6..63.
    const size_t count = std::min(modes.size(), out.size() - 6 - 3);
    std::copy(modes.begin(), modes.begin() + static_cast<long>(count), out.begin() + 6);
    out[6 + count] = kModeListMarker;
    out[7 + count] = static_cast<uint8_t>(speedSteps);
    out[8 + count] = static_cast<uint8_t>(brightnessSteps);
    return out;
}

void handshake(SimKeyboard &keyboard, const SimReport &, SimReplies &)
{
    keyboard.countHandshake();
}

void keyAnswer(SimKeyboard &keyboard, const SimReport &, SimReplies &)
{
    keyboard.countKeyAnswer();
}

void multimediaAnswer(SimKeyboard &keyboard, const SimReport &, SimReplies &)
{
    keyboard.countMultimediaAnswer();
}

// Byte 2 = 1 asks for the record; a setting (marked in byte 5) is stored and not answered, as an
// answer would come back as a change made on the keyboard.
void keyboardLightInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    if (report[2] == 1)
        replies.push_back(lightRecordReport(CMD_SIDE_LIGHT, keyboard.memory().keyboardLight));
    else if (report[5] == kKeyboardLightSetting)
        storeLightSetting(keyboard, report, keyboard.memory().keyboardLight, keyboard.model().keyboardLightModes);
}

void sideLightInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    if (report[2] == 1)
        replies.push_back(lightRecordReport(CMD_CUSTOM_LIGHT, keyboard.memory().sideLight));
    else if (report[5] == kSideLightSetting)
        storeLightSetting(keyboard, report, keyboard.memory().sideLight, keyboard.model().sideLightModes);
}

void customLightFrame(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    const uint8_t slot = report[2];
    const size_t packet = report[4];
    const size_t count = report[5];
    auto &slots = keyboard.memory().customLightSlots;
    if (slot >= slots.size() || packet >= kCustomLightPackets || count > report.size() - 6) {
        keyboard.noteReceived("custom-light frame refused");
        return;
    }
    SimCustomLightSlot &colours = slots[slot];
    const size_t start = packet * kCustomLightPacketBytes;
    const size_t length = std::min(count, colours.size() - start);
    std::copy_n(report.begin() + 6, length, colours.begin() + static_cast<long>(start));
}

void lightModeInquiry(SimKeyboard &keyboard, const SimReport &, SimReplies &replies)
{
    const ModelInfo &model = keyboard.model();
    replies.push_back(modeListReport(CMD_KEYBOARD_LIGHT_MODES, model.keyboardLightModes, model.keyboardSpeedSteps,
                                     model.keyboardBrightnessSteps));
}

void sideLightModeInquiry(SimKeyboard &keyboard, const SimReport &, SimReplies &replies)
{
    const ModelInfo &model = keyboard.model();
    replies.push_back(
        modeListReport(CMD_SIDE_LIGHT_MODES, model.sideLightModes, model.sideSpeedSteps, model.sideBrightnessSteps));
}

void enterBootloader(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    // A model without upgrade just restarts; an upgradable one becomes its bootloader or drive.
    if (!keyboard.upgrade().imageRow()) {
        keyboard.leave();
        return;
    }
    if (report[2] == 0 && !keyboard.upgrade().faults().ignoreEnter)
        keyboard.requestUpgrade();
}

void layoutCheck(SimKeyboard &keyboard, const SimReport &, SimReplies &replies)
{
    const ModelInfo &model = keyboard.model();
    const std::string text =
        model.chip + "," + model.numberField + "," + model.deviceClass + "," + model.vendorCode + "," + model.name;
    SimReport out = reply(CMD_LAYOUT_CHECK);
    // The text ends with a NUL inside the report.
    std::memcpy(out.data() + 6, text.data(), std::min(text.size(), out.size() - 7));
    replies.push_back(out);
}

void settings(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    SimKeyboardMemory &memory = keyboard.memory();
    SimReport out = reply(CMD_SN_INQUIRY);
    switch (report[2]) {
    case 0:
        if (report[6] == 1) {
            keyboard.resetMemory();
        } else {
            // Wire order: Windows key, Shift+Tab, Alt+F4, Alt+Tab; kept as Windows key, Shift+Tab, Alt+Tab, Alt+F4.
            memory.lockFlags[0] = report[13];
            memory.lockFlags[1] = report[14];
            memory.lockFlags[2] = report[16];
            memory.lockFlags[3] = report[15];
        }
        break;
    case 1:
        memory.lightSleepSeconds = bigEndian16(report, 9);
        memory.keyboardSleepSeconds = bigEndian16(report, 11);
        memory.prohibitSleep = report[13];
        break;
    case 2:
        out[2] = 2;
        putBigEndian16(out, 9, memory.lightSleepSeconds);
        putBigEndian16(out, 11, memory.keyboardSleepSeconds);
        out[13] = memory.prohibitSleep;
        break;
    default: return;
    }
    replies.push_back(out);
}

void serialInquiry(SimKeyboard &keyboard, const SimReport &, SimReplies &replies)
{
    SimReport out = reply(CMD_SN);
    out[5] = kSerialLength;
    std::string serial = keyboard.memory().serial.substr(0, kSerialLength);
    if (keyboard.serialFault() == SimSerialFault::Blank)
        serial.clear();
    else if (keyboard.serialFault() == SimSerialFault::Short)
        serial = serial.substr(0, kSerialLength - 1);
    std::memcpy(out.data() + 6, serial.data(), serial.size());
    replies.push_back(out);
}

void serialWrite(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    const char *text = reinterpret_cast<const char *>(report.data() + 6);
    keyboard.memory().serial = std::string(text, strnlen(text, kSerialLength));
    // A written number is reported in full from then on.
    keyboard.setSerialFault(SimSerialFault::None);
}

void sensitivityInquiry(SimKeyboard &keyboard, const SimReport &, SimReplies &replies)
{
    replies.push_back(magneticReply(4, keyboard.memory().sensitivity));
}

void reportRate(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    inquireOrSet(keyboard.memory().reportRate, report, replies);
}

void antiShake(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    inquireOrSet(keyboard.memory().antiShake, report, replies);
}

} // namespace SimStandardHandlers
