#pragma once

#include "sdk/protocol/FirmwareIdentity.h"
#include "sdk/protocol/FirmwareTransfer.h"
#include "sdk/protocol/ModelCatalog.h"

#include <cstdint>
#include <string>
#include <vector>

// Where a simulated keyboard is in its upgrade: on the bus as itself, as its bootloader, as its
// upgrade drive, or away (between two of these, or gone for good).
enum class SimUpgradeMode { Keyboard, Bootloader, Drive, Away };

// Faults of the upgrade, set per keyboard through the control socket.
struct SimUpgradeFaults
{
    bool ignoreEnter = false;
    int failEnds = 0;          // refuse the next N ENDs whose image is good
    bool dropEndReply = false; // swallow the reply to the next good END (once)
    int vanishPercent = -1;    // leave after this share of the data; -1: never
    int vanishReturnMs = -1;   // back as bootloader this long after vanishing; -1: never
    int dropEveryAck = 0;      // swallow every K-th acknowledgement; 0: none
    int ackDelayMs = 0;
    bool noReturn = false;    // never back as the keyboard after a good END
    bool noDrive = false;     // a ".ufw" model's drive never appears
    std::string driveProduct; // the product the drive reports; empty: the model name
    bool driveVerifyFails = false;
};

// The waits of the mode changes; endLeaveMs -1 follows the host's END window.
struct SimUpgradeDelays
{
    int leaveMs = 200;   // enter-upgrade report to the keyboard's removal
    int arriveMs = 400;  // removal to the bootloader's or drive's arrival
    int endLeaveMs = -1; // good END to the bootloader's removal
    int returnMs = 400;  // removal to the keyboard's return

    int effectiveEndLeaveMs() const;
};

// The device side of the transfer protocol for one keyboard's bootloader or drive.
class SimUpgradeDevice
{
public:
    enum class Action { None, Vanish, Succeeded };
    struct Outcome
    {
        std::vector<FirmwareTransfer::Report> replies;
        int delayMs = 0;
        Action action = Action::None;
    };

    SimUpgradeDevice(const ModelInfo &model, bool receiver);

    SimUpgradeFaults &faults() { return m_faults; }
    SimUpgradeDelays &delays() { return m_delays; }
    const SimUpgradeDelays &delays() const { return m_delays; }
    SimUpgradeMode mode() const { return m_mode; }
    void setMode(SimUpgradeMode mode);
    // The mode the keyboard takes for its upgrade: Bootloader for ".bin" models, Drive for ".ufw".
    SimUpgradeMode upgradeMode() const;
    const FirmwareImageRow *imageRow() const { return m_row; }
    char driveLetter() const { return m_driveLetter; }
    void setDriveLetter(char letter) { m_driveLetter = letter; }
    // Bootloader product id spelled in upper case (-1: as the table says).
    bool bootloaderUpperCase() const;
    void setBootloaderCase(int upper) { m_bootloaderCase = upper; }

    Outcome receive(const FirmwareTransfer::Report &request, const FirmwareIdentity &firmware);
    // The firmware texts the keyboard returns with after the image written last.
    FirmwareIdentity updatedFirmware(const FirmwareIdentity &current) const;

    void dump(class SimJson &json) const;

private:
    uint8_t checkImage() const;
    void handle(const FirmwareTransfer::Report &request, const FirmwareIdentity &firmware, Outcome *outcome);

    const ModelInfo &m_model;
    const FirmwareImageRow *m_row;
    bool m_receiver;
    SimUpgradeFaults m_faults;
    SimUpgradeDelays m_delays;
    SimUpgradeMode m_mode = SimUpgradeMode::Keyboard;
    char m_driveLetter = 'E';
    int m_bootloaderCase = -1;

    bool m_started = false;
    uint32_t m_length = 0;
    uint32_t m_crc = 0;
    uint8_t m_type = 0;
    std::vector<uint8_t> m_buffer;
    uint32_t m_expected = 0;
    bool m_hasCache = false;
    uint8_t m_cacheCommand = 0;
    uint8_t m_cacheSequence = 0;
    FirmwareTransfer::Report m_cacheReply{};
    int m_acks = 0;

    int m_attempts = 0;
    int m_lastStatus = -1;
    int m_connectionReceived = -1;
    int m_imagesWritten = 0;
    uint32_t m_bytesReceived = 0; // of the last transfer, kept across mode changes
    uint32_t m_lastImageCrc = 0;
    std::vector<uint8_t> m_lastImage;
};
