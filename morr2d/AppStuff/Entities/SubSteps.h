// Box movement in short sub-steps, so that a fast box never passes through a
// tile: the physics of debris and characters move each axis this way.
#pragma once

#include <cmath>

// The longest sub-step of a movement, in world units.
constexpr double SUB_STEP = 0.1;

// The next sub-step of a movement with `remain` left.
inline double subStep(double remain) {
    return remain >= SUB_STEP ? SUB_STEP : remain;
}

// Moves `position` by |speed| * f towards the sign of `speed`, one sub-step
// at a time, and stops before the first sub-step whose end `blockedAt`
// refuses. Answers whether one was refused.
template <class BlockedAt>
bool moveInSubSteps(double speed, double f, double& position, BlockedAt&& blockedAt) {
    double remain = std::fabs(speed) * f;
    double step = subStep(remain);
    while (remain > 0) {
        const double next = position + (speed < 0 ? -step : step);
        if (blockedAt(next))
            return true;
        position = next;
        remain -= SUB_STEP;
        step = subStep(remain);
    }
    return false;
}
