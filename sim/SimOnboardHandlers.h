#pragma once

#include "sim/SimHandlerTable.h"

// The keyboard's side of the on-board download: key layers (0x17), macro slots (0x18, each part
// acknowledged with 0x19) and the advanced-key store (0x2A). Reports outside the memory's ranges
// are counted and otherwise ignored, as the firmware cannot hold them.
namespace SimOnboardHandlers {

void keyLayer(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void macroPart(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void advancedKey(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);

} // namespace SimOnboardHandlers
