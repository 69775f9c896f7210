// Elapsed time to ticks, in the precision the game's timing has always had:
// the division is done in float and only then widened.
#include "TickSchedule.h"

double ticksForElapsed(std::uint32_t elapsedMs) {
    const double deltaTime = static_cast<double>(static_cast<float>(elapsedMs) / DELTA_TIME_RATIO);
    return deltaTime > MAX_TICKS_PER_PASS ? MAX_TICKS_PER_PASS : deltaTime;
}
