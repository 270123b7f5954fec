#include "sim/SimKeyboard.h"

#include "sim/SimJson.h"

SimKeyboard::SimKeyboard(const ModelInfo &model, const ModelIds &ids, const std::string &serial)
    : m_model(model)
    , m_ids(ids)
    , m_handlers(SimHandlerTable::standard())
    , m_pluggedAt(std::chrono::steady_clock::now())
    , m_upgrade(model, ids.isDongle)
{
    resetMemory();
    // The switches' maximum travel is no setting: a reset keeps it.
    m_memory.sensitivity = m_model.isMagnetic ? 5 : 0;
    m_memory.serial = serial;
    m_memory.firmware = FirmwareIdentity::fromModel(model);
}

void SimKeyboard::resetMemory()
{
    SimLightRecord keyboardLight;
    keyboardLight.mode = m_model.keyboardLightModes.empty() ? 0 : m_model.keyboardLightModes.front();
    keyboardLight.brightness = 3;
    keyboardLight.speed = 2;
    keyboardLight.color[0] = 255;
    keyboardLight.bgColor[2] = 255;
    keyboardLight.fullColor = 1;
    m_memory.keyboardLight = keyboardLight;

    SimLightRecord sideLight;
    if (m_model.hasSideLight) {
        sideLight.mode = m_model.sideLightModes.front();
        sideLight.brightness = 3;
        sideLight.speed = 2;
        sideLight.color[1] = 255;
    }
    m_memory.sideLight = sideLight;
    m_memory.customLightSlot = 0;
    m_memory.customLightSlots = {};
    m_memory.antiShake = m_model.isMagnetic ? 3 : 0;
    m_memory.reportRate = m_model.isMagnetic ? 1 : 0;
    m_memory.lightSleepSeconds = 300;
    m_memory.keyboardSleepSeconds = 600;
    m_memory.prohibitSleep = 0;
    m_memory.magnetic = SimMagneticMemory{};
    std::fill(std::begin(m_memory.lockFlags), std::end(m_memory.lockFlags), 0);
    m_memory.onboard = SimOnboardMemory();
}

bool SimKeyboard::takeUpgradeRequest()
{
    const bool requested = m_upgradeRequested;
    m_upgradeRequested = false;
    return requested;
}

SimUpgradeDevice::Outcome SimKeyboard::receiveUpgrade(const SimReport &report)
{
    // Thousands of DATA reports would swamp the log; the dump counts their bytes instead.
    if (report[1] != FirmwareTransfer::Data)
        logReceived(report);
    return m_upgrade.receive(report, m_memory.firmware);
}

void SimKeyboard::logReceived(const SimReport &report)
{
    if (m_log.size() >= maxLogEntries)
        m_log.erase(m_log.begin(), m_log.begin() + maxLogEntries / 2);
    const auto now = std::chrono::steady_clock::now();
    m_log.push_back({std::chrono::duration_cast<std::chrono::milliseconds>(now - m_pluggedAt).count(),
                     report,
                     {},
                     std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count()});
}

SimReplies SimKeyboard::receive(const SimReport &report)
{
    logReceived(report);

    SimReplies replies;
    if (m_left || m_droppedCommands.count(report[1]))
        return replies;
    m_handlers.dispatch(*this, report, replies);
    if (m_muted)
        replies.clear();
    return replies;
}

void SimKeyboard::noteReceived(const std::string &note)
{
    if (!m_log.empty())
        m_log.back().note = note;
}

void SimKeyboard::noteInjected(const SimReport &report)
{
    if (report[1] == CMD_FULL_KEY)
        ++m_keysInjected;
    else if (report[1] == CMD_MULTIMEDIA)
        ++m_multimediaInjected;
}

void SimKeyboard::setDroppedCommand(uint8_t command, bool dropped)
{
    if (dropped)
        m_droppedCommands.insert(command);
    else
        m_droppedCommands.erase(command);
}

void SimKeyboard::setAckDropNth(int n)
{
    m_ackDropNth = n;
    m_acksSinceFault = 0;
}

bool SimKeyboard::passAck()
{
    ++m_acksSinceFault;
    if (m_ackDropAll || m_acksSinceFault == m_ackDropNth) {
        ++m_acksDropped;
        return false;
    }
    ++m_acksSent;
    return true;
}

int SimKeyboard::replyDelayMs(const SimReport &reply) const
{
    return reply[1] == CMD_ONBOARD_ACK ? m_ackDelayMs : 0;
}

std::string SimKeyboard::dumpJson() const
{
    SimJson json;
    json.beginObject();
    json.field("model", m_model.name);
    json.field("pid", m_ids.pid);
    json.boolField("receiver", m_ids.isDongle);
    json.field("serial", m_memory.serial);
    json.field("firmwareVersion", m_memory.firmware.texts[FirmwareIdentity::Version]);
    m_upgrade.dump(json);
    json.key("firmware");
    json.beginObject();
    for (int field = 0; field < FirmwareIdentity::FieldCount; ++field)
        json.field(FirmwareIdentity::fieldName(field), m_memory.firmware.texts[field]);
    json.endObject();
    for (int area = 0; area < 2; ++area) {
        const SimLightRecord &light = area == 0 ? m_memory.keyboardLight : m_memory.sideLight;
        json.key(area == 0 ? "keyboardLight" : "sideLight");
        json.beginObject();
        json.field("mode", light.mode);
        json.field("brightness", light.brightness);
        json.field("speed", light.speed);
        json.intArrayField("color", {light.color[0], light.color[1], light.color[2]});
        json.intArrayField("bgColor", {light.bgColor[0], light.bgColor[1], light.bgColor[2]});
        json.field("direction", light.direction);
        json.field("fullColor", light.fullColor);
        json.field("extra", light.extra);
        json.endObject();
    }
    json.field("customLightSlot", m_memory.customLightSlot);
    json.key("customLightSlots");
    json.beginObject();
    for (size_t slot = 0; slot < m_memory.customLightSlots.size(); ++slot) {
        const SimCustomLightSlot &colours = m_memory.customLightSlots[slot];
        json.field(std::to_string(slot), simBytesHex(colours.data(), colours.size()));
    }
    json.endObject();
    const SimLightStreamMemory &stream = m_memory.lightStream;
    json.boolField("lightSynchronised", stream.synchronised);
    json.field("lightStreamKeys", simBytesHex(stream.keys.data(), stream.keys.size()));
    json.field("lightStreamSide", simBytesHex(stream.side.data(), stream.side.size()));
    json.field("lightStreamSets", stream.completeSets);
    json.field("lightState", stream.haveState ? simBytesHex(stream.lastState.data(), stream.lastState.size()) : "");
    json.field("customLightStream", simBytesHex(stream.customLight.data(), stream.customLight.size()));
    json.field("sensitivity", m_memory.sensitivity);
    json.field("antiShake", m_memory.antiShake);
    json.field("reportRate", m_memory.reportRate);
    json.field("lightSleep", m_memory.lightSleepSeconds);
    json.field("keyboardSleep", m_memory.keyboardSleepSeconds);
    json.field("prohibitSleep", m_memory.prohibitSleep);
    json.intArrayField("lockFlags",
                       {m_memory.lockFlags[0], m_memory.lockFlags[1], m_memory.lockFlags[2], m_memory.lockFlags[3]});
    json.field("handshakes", m_handshakes);
    json.field("keyReportsExpected", m_keysInjected - m_keyAnswers);
    json.field("multimediaAnswersExpected", m_multimediaInjected - m_multimediaAnswers);
    json.boolField("left", m_left);
    dumpOnboard(json);
    json.key("received");
    json.beginArray();
    for (const SimLogEntry &entry : m_log) {
        json.beginObject();
        json.field("ms", entry.milliseconds);
        json.field("us", entry.monotonicMicroseconds);
        json.field("report", simReportHex(entry.report));
        if (!entry.note.empty())
            json.field("note", entry.note);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

void SimKeyboard::dumpOnboard(SimJson &json) const
{
    const SimOnboardMemory &onboard = m_memory.onboard;
    json.key("onboard");
    json.beginObject();
    json.key("keyLayers");
    json.beginObject();
    for (const auto &[layer, entries] : onboard.keyLayers)
        json.field(std::to_string(layer), simBytesHex(entries.data(), entries.size()));
    json.endObject();
    json.key("macroSlots");
    json.beginArray();
    for (const SimOnboardMemory::MacroSlot &slot : onboard.macros) {
        json.beginObject();
        json.field("parts", slot.partsWritten);
        json.field("playMode", slot.playMode);
        json.field("eventBytes", slot.eventBytes);
        json.field("playCount", slot.playCount);
        json.field("image", simBytesHex(slot.image.data(), slot.image.size()));
        json.endObject();
    }
    json.endArray();
    json.key("advancedKeys");
    json.beginArray();
    for (const SimOnboardMemory::AdvancedKey &key : onboard.advancedKeys) {
        json.beginObject();
        json.boolField("written", key.written);
        json.field("data", simBytesHex(key.data.data(), key.data.size()));
        json.endObject();
    }
    json.endArray();
    json.field("rejectedReports", onboard.rejectedReports);
    json.field("acksSent", m_acksSent);
    json.field("acksDropped", m_acksDropped);
    json.endObject();
}
