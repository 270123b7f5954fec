#pragma once

// Choices of the trigger tab that do not depend on its widgets.
namespace TriggerRules {

// The travel values the tab holds between Apply clicks, in 0.1 mm steps.
struct TriggerValues
{
    int centerMark = 0;
    int leftMark = 0;
    int rightMark = 0;
    int quickTriggerStep = 0;
    int quickTriggerPressStep = 0;
    int quickTriggerReleaseStep = 0;
};

// One apply request: the mode and the four values the keyboard receives.
struct ApplyRequest
{
    int selMode;
    int strengthNum_L;
    int strengthNum_R;
    int strengthNum_QuickTrigger_L;
    int strengthNum_QuickTrigger_R;
};

// Rapid trigger (quick) and separate press and release distances (secondary) pick the mode:
// neither 0, secondary only 1, quick only 12, both 13.
ApplyRequest applyRequest(bool quick, bool secondary, const TriggerValues &values);

// Report-rate slider positions 0..3 stand for 1, 2, 4 and 8 (kHz); any other position for 0.
int reportRateForPosition(int position);
// The slider position of a reported rate; an unknown rate sits at the first position.
int positionForReportRate(int rate);

} // namespace TriggerRules
