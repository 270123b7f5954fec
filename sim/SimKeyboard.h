#pragma once

#include "sdk/protocol/ModelCatalog.h"
#include "sim/SimHandlerTable.h"
#include "sim/SimKeyboardMemory.h"
#include "sim/SimReport.h"
#include "sim/SimUpgradeDevice.h"

#include <chrono>
#include <set>
#include <string>
#include <vector>

// What the serial-number reply carries, whatever the memory holds.
enum class SimSerialFault { None, Blank, Short };

struct SimLogEntry
{
    int64_t milliseconds; // since the keyboard was plugged
    SimReport report;
    std::string note;                  // set by a handler, such as a setting the model cannot show
    int64_t monotonicMicroseconds = 0; // the system's monotonic clock, comparable across processes
};

class SimJson;

// One simulated keyboard: its model, its on-board memory and its side of the report protocol.
// Not thread-safe; its owner serialises access.
class SimKeyboard
{
public:
    SimKeyboard(const ModelInfo &model, const ModelIds &ids, const std::string &serial);

    const ModelInfo &model() const { return m_model; }
    const ModelIds &ids() const { return m_ids; }
    SimKeyboardMemory &memory() { return m_memory; }
    const SimKeyboardMemory &memory() const { return m_memory; }
    SimHandlerTable &handlers() { return m_handlers; }

    // Takes one report written by the program and returns the keyboard's replies.
    SimReplies receive(const SimReport &report);
    // Notes a report the keyboard sends on its own (counts the answers it expects back).
    void noteInjected(const SimReport &report);

    void resetMemory();
    void setSerialFault(SimSerialFault fault) { m_serialFault = fault; }
    SimSerialFault serialFault() const { return m_serialFault; }
    void setMuted(bool muted) { m_muted = muted; }
    void setDroppedCommand(uint8_t command, bool dropped);
    // Set by the upgrade-mode command: the keyboard leaves the bus.
    void leave() { m_left = true; }
    bool hasLeft() const { return m_left; }

    // The upgrade: the bootloader or drive the keyboard becomes, with its faults and delays.
    SimUpgradeDevice &upgrade() { return m_upgrade; }
    const SimUpgradeDevice &upgrade() const { return m_upgrade; }
    // Set by the enter-upgrade report; the server takes it and changes the keyboard's mode.
    void requestUpgrade() { m_upgradeRequested = true; }
    bool takeUpgradeRequest();
    // A report to the bootloader or drive; logged like the keyboard's own, but for DATA.
    SimUpgradeDevice::Outcome receiveUpgrade(const SimReport &report);
    // After a good END: the firmware texts of the image written.
    void takeUpgradedFirmware() { m_memory.firmware = m_upgrade.updatedFirmware(m_memory.firmware); }

    // Macro acknowledgement faults: drop the nth one from now on (1-based, 0 = none), drop every one,
    // or hold each back for a while (the server applies the delay).
    void setAckDropNth(int n);
    void setAckDropAll(bool dropAll) { m_ackDropAll = dropAll; }
    void setAckDelayMs(int delayMs) { m_ackDelayMs = delayMs; }
    // Counts one acknowledgement about to go out; false when a fault swallows it.
    bool passAck();
    // Extra time before this reply leaves the keyboard.
    int replyDelayMs(const SimReport &reply) const;

    void countHandshake() { ++m_handshakes; }
    void countKeyAnswer() { ++m_keyAnswers; }
    void countMultimediaAnswer() { ++m_multimediaAnswers; }
    int handshakes() const { return m_handshakes; }

    const std::vector<SimLogEntry> &receivedLog() const { return m_log; }
    // Notes something about the report being handled in its log entry.
    void noteReceived(const std::string &note);
    void clearLog() { m_log.clear(); }
    std::string dumpJson() const;

private:
    void dumpOnboard(SimJson &json) const;
    void logReceived(const SimReport &report);

    static constexpr size_t maxLogEntries = 100000;

    const ModelInfo &m_model;
    const ModelIds &m_ids;
    SimKeyboardMemory m_memory;
    SimHandlerTable m_handlers;
    std::chrono::steady_clock::time_point m_pluggedAt;
    std::vector<SimLogEntry> m_log;
    std::set<uint8_t> m_droppedCommands;
    SimSerialFault m_serialFault = SimSerialFault::None;
    bool m_muted = false;
    bool m_left = false;
    bool m_upgradeRequested = false;
    SimUpgradeDevice m_upgrade;
    int m_handshakes = 0;
    int m_keysInjected = 0;
    int m_keyAnswers = 0;
    int m_multimediaInjected = 0;
    int m_multimediaAnswers = 0;
    int m_ackDropNth = 0;
    int m_acksSinceFault = 0;
    bool m_ackDropAll = false;
    int m_ackDelayMs = 0;
    int m_acksSent = 0;
    int m_acksDropped = 0;
};
