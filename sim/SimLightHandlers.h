#pragma once

#include "sim/SimHandlerTable.h"

// The keyboard's side of light synchronisation (0x16), the colour stream (0x0E) and the compact
// light state (0x28). None of them is answered.
namespace SimLightHandlers {

void install(SimHandlerTable &table);

void lightSync(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void lightStream(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void lightState(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);

} // namespace SimLightHandlers
