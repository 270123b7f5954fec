#pragma once

#include <cstdint>

// The pacing rules of the light tickers: the tick tables by speed index and the mark arithmetic on
// the truncated millisecond clock. Pure functions; the tickers only call them.
class LightTickRule
{
public:
    static constexpr int minPeriod = 8;
    static constexpr int maxPeriod = 28;
    // The key clock keeps the last 8 decimal digits, the side clock the last 6.
    static constexpr int64_t keyClockModulus = 100000000;
    static constexpr int64_t sideClockModulus = 1000000;

    static int clampPeriod(int ms);
    // Period for a speed index of an area with the given number of speed steps. The keys use the
    // short table up to 4 steps, the side light only at exactly 4; an index past the table takes
    // its last entry, a negative one its first.
    static int keyPeriod(int speedIndex, int speedSteps);
    static int sidePeriod(int speedIndex, int speedSteps);
    // One poll of the ticker loop: true when a tick is due; updates the mark.
    static bool shouldTick(int64_t epochMs, int64_t modulus, int period, int64_t &mark);
    // Milliseconds the loop may sleep at once and still poll in the last 2 ms before the next tick
    // is due; 0 when it must keep polling (no mark yet, a wrapped clock, a tick close or due).
    static int64_t idleBeforeDue(int64_t epochMs, int64_t modulus, int period, int64_t mark);

private:
    static int tablePeriod(int speedIndex, bool shortTable);
};
