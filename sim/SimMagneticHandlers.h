#pragma once

#include "sim/SimHandlerTable.h"

// The keyboard's side of the magnetic-switch commands (0x29 by sub-command, replies 0x21).
namespace SimMagneticHandlers {

// Adds the handlers of the trigger settings, key queries, defaults and calibration to the table.
void install(SimHandlerTable &table);

// 0x21 sub-command 1: the live travel of one key, sent while the key moves.
SimReport liveTravel(uint8_t row, uint8_t column, uint8_t value);

void applyTriggers(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void selectKeys(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void leaveTriggerTab(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void queryKey(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void restoreDefaults(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void calibrateKey(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void calibrateAllKeys(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);

} // namespace SimMagneticHandlers
