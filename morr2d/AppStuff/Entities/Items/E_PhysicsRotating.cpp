// Tilt while moving and settling flat once stopped.
#include "Entities/Items/E_PhysicsRotating.h"

#include "PointMath.h"

namespace {

constexpr double MOVING_TILT = 15.0;
// Degrees per whole tick by which a stopped object turns towards flat.
constexpr double SETTLE_SPEED = 30.0;

} // namespace

void E_PhysicsRotating::gameTick() {
    E_Physics::gameTick();
    if (m_static)
        return;
    const double f = tickFraction();
    if (m_xSpeed != 0) {
        const bool right = m_xSpeed > 0;
        if (m_rotationSpeed == 0)
            m_rotation = right ? MOVING_TILT : -MOVING_TILT;
        else
            m_rotation += right ? m_rotationSpeed * f : -m_rotationSpeed * f;
        return;
    }
    if (m_rotation == 0 || m_rotation == 180)
        return;
    // Still settling: not at rest yet.
    m_resting = false;
    double r = degConstrain(m_rotation);
    if (r > 0 && r < 90) {
        r -= SETTLE_SPEED * f;
        if (r < 0)
            r = 0;
    } else if (r >= 90 && r < 180) {
        r += SETTLE_SPEED * f;
        if (r > 180)
            r = 180;
    } else if (r > 180 && r < 270) {
        r -= SETTLE_SPEED * f;
        if (r < 180)
            r = 180;
    } else {
        r += SETTLE_SPEED * f;
        if (r >= 360)
            r = 0;
    }
    m_rotation = r;
}
