#include "sim/SimHandlerTable.h"

#include "sim/SimLightHandlers.h"
#include "sim/SimMagneticHandlers.h"
#include "sim/SimOnboardHandlers.h"
#include "sim/SimStandardHandlers.h"

SimHandlerTable SimHandlerTable::standard()
{
    SimHandlerTable table;
    table.setHandler(CMD_HANDSHAKE, SimStandardHandlers::handshake);
    table.setHandler(CMD_STATUS, SimStandardHandlers::sideLightModeInquiry);
    table.setHandler(CMD_KEY_REPORT, SimStandardHandlers::keyAnswer);
    table.setHandler(CMD_FULL_KEY, SimStandardHandlers::multimediaAnswer);
    table.setHandler(CMD_KEYBOARD_LIGHT, SimStandardHandlers::keyboardLightInquiry);
    table.setHandler(CMD_SIDE_LIGHT, SimStandardHandlers::sideLightInquiry);
    table.setHandler(CMD_CUSTOM_LIGHT, SimStandardHandlers::customLightFrame);
    table.setHandler(CMD_LIGHT_MODES, SimStandardHandlers::lightModeInquiry);
    table.setHandler(CMD_KEYBOARD_LIGHT_MODES, SimStandardHandlers::enterBootloader);
    table.setHandler(CMD_LAYOUT_CHECK, SimStandardHandlers::layoutCheck);
    table.setHandler(CMD_SETTINGS, SimStandardHandlers::settings);
    table.setHandler(CMD_SN_INQUIRY, SimStandardHandlers::serialInquiry);
    table.setHandler(CMD_SN, SimStandardHandlers::serialWrite);
    table.setHandler(CMD_ONBOARD_KEYS, SimOnboardHandlers::keyLayer);
    table.setHandler(CMD_ONBOARD_MACRO, SimOnboardHandlers::macroPart);
    table.setHandler(CMD_ONBOARD_ADVANCED_KEY, SimOnboardHandlers::advancedKey);
    table.setMagneticHandler(4, SimStandardHandlers::sensitivityInquiry);
    table.setMagneticHandler(9, SimStandardHandlers::reportRate);
    table.setMagneticHandler(10, SimStandardHandlers::antiShake);
    SimMagneticHandlers::install(table);
    SimLightHandlers::install(table);
    return table;
}

void SimHandlerTable::setHandler(uint8_t command, SimHandler handler)
{
    m_handlers[command] = std::move(handler);
}

void SimHandlerTable::setMagneticHandler(uint8_t subCommand, SimHandler handler)
{
    m_magneticHandlers[subCommand] = std::move(handler);
}

bool SimHandlerTable::dispatch(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies) const
{
    const auto &table = report[1] == CMD_MAGNETIC ? m_magneticHandlers : m_handlers;
    const uint8_t key = report[1] == CMD_MAGNETIC ? report[6] : report[1];
    const auto it = table.find(key);
    if (it == table.end())
        return false;
    it->second(keyboard, report, replies);
    return true;
}
