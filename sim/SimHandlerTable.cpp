#include "SimHandlerTable.h"

#include "SimMagneticHandlers.h"
#include "SimOnboardHandlers.h"
#include "SimStandardHandlers.h"

SimHandlerTable SimHandlerTable::standard()
{
    SimHandlerTable table;
    table.setHandler(SimCmd::Handshake, SimStandardHandlers::handshake);
    table.setHandler(SimCmd::Status, SimStandardHandlers::sideLightModeInquiry);
    table.setHandler(SimCmd::KeyReport, SimStandardHandlers::keyAnswer);
    table.setHandler(SimCmd::FullKey, SimStandardHandlers::multimediaAnswer);
    table.setHandler(SimCmd::KeyboardLight, SimStandardHandlers::keyboardLightInquiry);
    table.setHandler(SimCmd::SideLight, SimStandardHandlers::sideLightInquiry);
    table.setHandler(SimCmd::LightModes, SimStandardHandlers::lightModeInquiry);
    table.setHandler(SimCmd::KeyboardLightModes, SimStandardHandlers::enterBootloader);
    table.setHandler(SimCmd::LayoutCheck, SimStandardHandlers::layoutCheck);
    table.setHandler(SimCmd::Settings, SimStandardHandlers::settings);
    table.setHandler(SimCmd::SnInquiry, SimStandardHandlers::serialInquiry);
    table.setHandler(SimCmd::Sn, SimStandardHandlers::serialWrite);
    table.setHandler(SimCmd::OnboardKeys, SimOnboardHandlers::keyLayer);
    table.setHandler(SimCmd::OnboardMacro, SimOnboardHandlers::macroPart);
    table.setHandler(SimCmd::OnboardAdvancedKey, SimOnboardHandlers::advancedKey);
    table.setMagneticHandler(4, SimStandardHandlers::sensitivityInquiry);
    table.setMagneticHandler(9, SimStandardHandlers::reportRate);
    table.setMagneticHandler(10, SimStandardHandlers::antiShake);
    SimMagneticHandlers::install(table);
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

bool SimHandlerTable::hasHandler(uint8_t command) const
{
    return m_handlers.count(command) != 0;
}

bool SimHandlerTable::dispatch(SimKeyboard& keyboard, const SimReport& report, SimReplies& replies) const
{
    const auto& table = report[1] == SimCmd::Magnetic ? m_magneticHandlers : m_handlers;
    const uint8_t key = report[1] == SimCmd::Magnetic ? report[6] : report[1];
    const auto it = table.find(key);
    if (it == table.end())
        return false;
    it->second(keyboard, report, replies);
    return true;
}
