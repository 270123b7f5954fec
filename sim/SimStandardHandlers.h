#pragma once

#include "sim/SimHandlerTable.h"
#include "sim/SimKeyboardMemory.h"

// The keyboard's side of the start-up inquiry chain, settings and serial number.
namespace SimStandardHandlers {

SimReport reply(uint8_t command);
SimReport lightRecordReport(uint8_t command, const SimLightRecord &record);
SimReport modeListReport(uint8_t command, const std::vector<uint8_t> &modes, int speedSteps, int brightnessSteps);

void handshake(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void keyAnswer(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void multimediaAnswer(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void keyboardLightInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void sideLightInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void customLightFrame(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void lightModeInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void sideLightModeInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void enterBootloader(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void layoutCheck(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void settings(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void serialInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void serialWrite(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void sensitivityInquiry(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void reportRate(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);
void antiShake(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies);

} // namespace SimStandardHandlers
