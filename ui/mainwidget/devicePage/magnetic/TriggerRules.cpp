#include "ui/mainwidget/devicePage/magnetic/TriggerRules.h"

namespace TriggerRules {

ApplyRequest applyRequest(bool quick, bool secondary, const TriggerValues &values)
{
    if (secondary)
        return {quick ? 13 : 1, values.leftMark, values.rightMark, values.quickTriggerPressStep,
                values.quickTriggerReleaseStep};
    return {quick ? 12 : 0, values.centerMark, values.centerMark, values.quickTriggerStep, values.quickTriggerStep};
}

int reportRateForPosition(int position)
{
    switch (position) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    case 3: return 8;
    default: return 0;
    }
}

int positionForReportRate(int rate)
{
    switch (rate) {
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    default: return 0;
    }
}

} // namespace TriggerRules
