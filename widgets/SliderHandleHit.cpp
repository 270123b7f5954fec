#include "widgets/SliderHandleHit.h"

namespace SliderHandleHit {

int estimatedHandleX(int width, int minimum, int maximum, int value, bool rangeStartsAtZero)
{
    if (rangeStartsAtZero) {
        if (maximum == 0)
            return 0;
        return (width / maximum) * value;
    }
    if (maximum == minimum)
        return 0;
    return (width / (maximum - minimum)) * (value - minimum);
}

bool pressAccepted(int x, int handleX, int leftMargin, int rightMargin)
{
    return x >= handleX - leftMargin && x <= handleX + rightMargin;
}

} // namespace SliderHandleHit
