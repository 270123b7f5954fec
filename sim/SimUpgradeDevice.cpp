#include "sim/SimUpgradeDevice.h"

#include "sdk/protocol/FirmwareImageFormat.h"
#include "sim/SimJson.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace FirmwareTransfer;

namespace {

constexpr uint32_t kDriveCapacity = 1024 * 1024;

const char *modeName(SimUpgradeMode mode)
{
    switch (mode) {
    case SimUpgradeMode::Keyboard: return "keyboard";
    case SimUpgradeMode::Bootloader: return "bootloader";
    case SimUpgradeMode::Drive: return "drive";
    case SimUpgradeMode::Away: return "away";
    }
    return "away";
}

} // namespace

int SimUpgradeDelays::effectiveEndLeaveMs() const
{
    return endLeaveMs >= 0 ? endLeaveMs : Timeouts::current().endWindowMs();
}

SimUpgradeDevice::SimUpgradeDevice(const ModelInfo &model, bool receiver)
    : m_model(model)
    , m_row(ModelCatalog::findFirmwareImage(model.name))
    , m_receiver(receiver)
{
}

void SimUpgradeDevice::setMode(SimUpgradeMode mode)
{
    m_mode = mode;
    // A fresh bootloader or drive knows no transfer.
    m_started = false;
    m_hasCache = false;
    m_buffer.clear();
    m_expected = 0;
}

SimUpgradeMode SimUpgradeDevice::upgradeMode() const
{
    return m_row && m_row->kind == FirmwareImageKind::ImageUfw ? SimUpgradeMode::Drive : SimUpgradeMode::Bootloader;
}

bool SimUpgradeDevice::bootloaderUpperCase() const
{
    return m_bootloaderCase >= 0 ? m_bootloaderCase != 0 : (m_row && m_row->bootloaderUpperCase);
}

SimUpgradeDevice::Outcome SimUpgradeDevice::receive(const Report &request, const FirmwareIdentity &firmware)
{
    Outcome outcome;
    if (!isRequest(request))
        return outcome;
    if (m_hasCache && request[1] == m_cacheCommand && request[2] == m_cacheSequence) {
        // A repeat: the cached reply, the request not carried out again.
        outcome.replies.push_back(m_cacheReply);
    } else {
        handle(request, firmware, &outcome);
        if (outcome.action == Action::Vanish)
            return outcome;
        if (!outcome.replies.empty()) {
            m_hasCache = true;
            m_cacheCommand = request[1];
            m_cacheSequence = request[2];
            m_cacheReply = outcome.replies.back();
        }
    }
    if (request[1] == Data && !outcome.replies.empty()) {
        ++m_acks;
        if (m_faults.dropEveryAck > 0 && m_acks % m_faults.dropEveryAck == 0)
            outcome.replies.clear();
        outcome.delayMs = m_faults.ackDelayMs;
    }
    return outcome;
}

void SimUpgradeDevice::handle(const Report &request, const FirmwareIdentity &firmware, Outcome *outcome)
{
    const bool drive = m_mode == SimUpgradeMode::Drive;
    const BinImageLayout *layout = m_row ? BinImageLayout::forKind(m_row->kind) : nullptr;
    switch (request[1]) {
    case Ident: {
        if (!hasIdentMagic(request))
            return; // not our host: no answer
        IdentInfo info;
        info.capacity = drive ? kDriveCapacity : static_cast<uint32_t>(layout ? layout->readWindow : 0);
        info.protocol = protocolVersion;
        info.dataPerPacket = dataPerPacket;
        info.mode = drive ? ModeDrive : ModeBootloader;
        info.model = drive && !m_faults.driveProduct.empty() ? m_faults.driveProduct : m_model.name;
        info.version = firmware.texts[FirmwareIdentity::Version];
        outcome->replies.push_back(identReply(request, info));
        return;
    }
    case Start: {
        const uint32_t length = readBig32(request.data() + 3);
        const uint8_t connection = request[11];
        const uint8_t type = request[12];
        const uint32_t capacity = drive ? kDriveCapacity : static_cast<uint32_t>(layout ? layout->readWindow : 0);
        m_connectionReceived = connection;
        uint8_t status = StatusOk;
        if (length == 0)
            status = StatusBadLength;
        else if (length > capacity)
            status = StatusTooLarge;
        else if (type != (drive ? ImageUfw : ImageBin))
            status = StatusWrongImage;
        else if (!drive && connection != (m_receiver ? ConnectionReceiver : ConnectionCable))
            status = StatusWrongConnection;
        m_started = status == StatusOk;
        if (m_started) {
            ++m_attempts;
            m_length = length;
            m_crc = readBig32(request.data() + 7);
            m_type = type;
            m_buffer.assign(length, 0);
            m_expected = 0;
            m_bytesReceived = 0;
        }
        m_lastStatus = status;
        outcome->replies.push_back(reply(request, status));
        return;
    }
    case Data: {
        Report answer{};
        if (!m_started) {
            answer = reply(request, StatusNotStarted);
        } else {
            if (m_faults.vanishPercent >= 0
                && uint64_t(m_expected) * 100 >= uint64_t(m_faults.vanishPercent) * m_length) {
                outcome->action = Action::Vanish;
                return;
            }
            const uint32_t offset = readBig32(request.data() + 3);
            const uint8_t count = request[7];
            uint8_t status = StatusOk;
            if (count == 0 || count > dataPerPacket || uint64_t(offset) + count > m_length)
                status = StatusBadLength;
            else if (offset > m_expected)
                status = StatusBadSequence;
            else if (offset == m_expected) {
                std::memcpy(m_buffer.data() + offset, request.data() + 8, count);
                m_expected += count;
                m_bytesReceived = m_expected;
            }
            // An offset already taken is acknowledged again, never written twice.
            answer = reply(request, status);
            writeBig32(answer.data() + 4, m_expected);
        }
        outcome->replies.push_back(answer);
        return;
    }
    case End: {
        uint8_t status = StatusOk;
        if (!m_started)
            status = StatusNotStarted;
        else
            status = checkImage();
        if (status == StatusOk && m_faults.failEnds > 0) {
            --m_faults.failEnds;
            status = StatusCrcMismatch;
        }
        m_lastStatus = status;
        if (status != StatusOk) {
            // Refused: the device stays, so a retry finds it.
            m_started = false;
            outcome->replies.push_back(reply(request, status));
            return;
        }
        ++m_imagesWritten;
        m_lastImageCrc = m_crc;
        m_lastImage = m_buffer;
        m_started = false;
        outcome->action = Action::Succeeded;
        outcome->replies.push_back(reply(request, status));
        if (m_faults.dropEndReply) {
            m_faults.dropEndReply = false;
            // The reply stays cached for the host's repeat; only this one is lost.
            m_hasCache = true;
            m_cacheCommand = request[1];
            m_cacheSequence = request[2];
            m_cacheReply = outcome->replies.back();
            outcome->replies.clear();
        }
        return;
    }
    default: return;
    }
}

uint8_t SimUpgradeDevice::checkImage() const
{
    if (m_expected != m_length || firmwareCrc32(m_buffer.data(), m_buffer.size()) != m_crc)
        return StatusCrcMismatch;
    if (m_mode == SimUpgradeMode::Drive) {
        UfwHeader header;
        if (m_faults.driveVerifyFails
            || UfwHeader::parse(m_buffer.data(), m_buffer.size(), &header) != UfwHeader::Check::Ok
            || header.product != m_model.name)
            return StatusWrongImage;
        return StatusOk;
    }
    const BinImageLayout *layout = m_row ? BinImageLayout::forKind(m_row->kind) : nullptr;
    if (!layout)
        return StatusWrongImage;
    const BinImageIdentity identity = BinImageIdentity::read(m_buffer, *layout);
    return compareFirmwareText(identity.field(BinImageIdentity::Model), m_model.name) == 0 ? StatusOk
                                                                                           : StatusWrongImage;
}

FirmwareIdentity SimUpgradeDevice::updatedFirmware(const FirmwareIdentity &current) const
{
    FirmwareIdentity firmware = current;
    if (m_lastImage.empty())
        return firmware;
    if (m_row && m_row->kind == FirmwareImageKind::ImageUfw) {
        UfwHeader header;
        if (UfwHeader::parse(m_lastImage.data(), m_lastImage.size(), &header) == UfwHeader::Check::Ok)
            firmware.texts[FirmwareIdentity::Version] = header.version;
        return firmware;
    }
    const BinImageIdentity identity = BinImageIdentity::read(m_lastImage, *BinImageLayout::forKind(m_row->kind));
    const int fields[] = {FirmwareIdentity::Chip,       FirmwareIdentity::NumberField, FirmwareIdentity::DeviceClass,
                          FirmwareIdentity::VendorCode, FirmwareIdentity::Model,       FirmwareIdentity::Version};
    for (int i = 0; i < BinImageLayout::identityFieldCount; ++i)
        firmware.texts[fields[i]] = identity.field(i);
    firmware.texts[FirmwareIdentity::ExtraText] = identity.date + " " + identity.time;
    return firmware;
}

void SimUpgradeDevice::dump(SimJson &json) const
{
    json.field("mode", std::string(modeName(m_mode)));
    json.key("upgrade");
    json.beginObject();
    json.field("attempts", m_attempts);
    json.field("lastStatus", m_lastStatus);
    json.field("connectionReceived", m_connectionReceived);
    json.field("bytesReceived", static_cast<int64_t>(m_bytesReceived));
    json.field("imagesWritten", m_imagesWritten);
    char crc[16];
    std::snprintf(crc, sizeof(crc), "%08x", m_lastImageCrc);
    json.field("lastImageCrc", std::string(crc));
    json.endObject();
}
