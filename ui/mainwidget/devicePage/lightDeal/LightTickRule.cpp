#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kTableA[] = {28, 24, 16, 12, 8};
constexpr int kTableB[] = {28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

} // namespace

int LightTickRule::clampPeriod(int ms)
{
    return std::clamp(ms, minPeriod, maxPeriod);
}

int LightTickRule::tablePeriod(int speedIndex, bool shortTable)
{
    const int *table = shortTable ? kTableA : kTableB;
    const int size = shortTable ? int(std::size(kTableA)) : int(std::size(kTableB));
    return table[std::clamp(speedIndex, 0, size - 1)];
}

int LightTickRule::keyPeriod(int speedIndex, int speedSteps)
{
    return tablePeriod(speedIndex, speedSteps <= 4);
}

int LightTickRule::sidePeriod(int speedIndex, int speedSteps)
{
    return tablePeriod(speedIndex, speedSteps == 4);
}

bool LightTickRule::shouldTick(int64_t epochMs, int64_t modulus, int period, int64_t &mark)
{
    const int64_t t = epochMs % modulus;
    if (t < mark)
        mark = t;
    if (t - mark >= period || mark == 0) {
        mark = t;
        return true;
    }
    return false;
}

int64_t LightTickRule::idleBeforeDue(int64_t epochMs, int64_t modulus, int period, int64_t mark)
{
    const int64_t t = epochMs % modulus;
    if (mark == 0 || t < mark)
        return 0;
    const int64_t untilDue = mark + period - t;
    return untilDue > 2 ? untilDue - 2 : 0;
}
