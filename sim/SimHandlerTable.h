#pragma once

#include "sim/SimReport.h"

#include <functional>
#include <map>
#include <vector>

class SimKeyboard;

using SimReplies = std::vector<SimReport>;
// Handles one received report; appends the keyboard's replies in the order they go out.
using SimHandler = std::function<void(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)>;

// What the simulated keyboard does with each received report: one handler per command code, and
// for the magnetic-switch command one per sub-command (byte 6).
class SimHandlerTable
{
public:
    // The handlers every simulated keyboard starts with.
    static SimHandlerTable standard();

    void setHandler(uint8_t command, SimHandler handler);
    void setMagneticHandler(uint8_t subCommand, SimHandler handler);
    // False when no handler takes the report; the report is then only logged.
    bool dispatch(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies) const;

private:
    std::map<uint8_t, SimHandler> m_handlers;
    std::map<uint8_t, SimHandler> m_magneticHandlers;
};
