// How one pass of the application loop turns elapsed wall-clock time into
// ticks of 1/30 s. Kept apart from the loop so the arithmetic can be checked
// without a clock or a window.
#pragma once

#include <cstdint>

// Milliseconds per tick, in single precision like every tick computation.
const float DELTA_TIME_RATIO = 33.3333f;
// A stall longer than this many ticks is dropped rather than caught up.
const double MAX_TICKS_PER_PASS = 10.0;

// Ticks due for `elapsedMs` milliseconds, capped at MAX_TICKS_PER_PASS.
double ticksForElapsed(std::uint32_t elapsedMs);

// The share of a whole tick that the next tick stands for, with
// `remainStep` ticks still due in this pass.
inline double tickFractionFor(double remainStep) {
    return remainStep >= 1.0 ? 1.0 : remainStep;
}

// Runs ceil(deltaTime) ticks; every tick but the last has fraction 1, the
// last the remainder. The fraction is written before each tick so that the
// tick can read it. Returns the number of ticks run.
template <class TickFunction>
int runTicks(double deltaTime, double& tickFraction, TickFunction&& tick) {
    int ticks = 0;
    double remainStep = deltaTime;
    tickFraction = tickFractionFor(remainStep);
    while (remainStep > 0.0) {
        tick();
        ++ticks;
        remainStep -= 1.0;
        tickFraction = tickFractionFor(remainStep);
    }
    return ticks;
}
