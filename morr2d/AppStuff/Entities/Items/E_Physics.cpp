// The debris step: horizontal sub-steps with the bounce, vertical sub-steps
// where any contact ends all motion, the new position, the ground probe and
// gravity.
#include "Entities/Items/E_Physics.h"

#include <cmath>

#include "Entities/SubSteps.h"
#include "Entities/WorldAccess.h"

namespace {

constexpr double BOUNCE = -0.7;
// Slower than this, an object stops at a wall instead of bouncing.
constexpr double BOUNCE_SLOWEST = 0.1;
constexpr double GRAVITY = 0.7;
constexpr double TERMINAL_SPEED = 16.0;

} // namespace

E_Physics::E_Physics(MapController* mapController, double x, double y, double bboxL, double bboxU,
                     double bboxR, double bboxD, entityEnum type, int depth, bool isStatic)
    : Entity(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth), m_static(isStatic),
      m_resting(false), m_onGround(true), m_xSpeed(0), m_ySpeed(0), m_facingRight(true) {}

double E_Physics::tickFraction() const {
    return applicationOf(m_mapController)->getTickFraction();
}

bool E_Physics::wallAt(double x, double y) const {
    return m_nearbyWalls.wallAt(x + m_bboxL, y + m_bboxU, x + m_bboxR, y + m_bboxD);
}

void E_Physics::gameTick() {
    if (m_static) {
        m_resting = true;
        return;
    }
    const double f = tickFraction();
    double px = m_x, py = m_y;
    // Everything this tick can reach: the sideways and vertical travel, and
    // the ground probe below.
    const double reachX = std::fabs(m_xSpeed) * f + SUB_STEP;
    const double reachY = std::fabs(m_ySpeed) * f + SUB_STEP;
    m_nearbyWalls.gather(*m_mapController, px + m_bboxL - reachX, py + m_bboxU - reachY,
                         px + m_bboxR + reachX, py + m_bboxD + reachY + SUB_STEP);

    if (moveInSubSteps(m_xSpeed, f, px, [&](double x) { return wallAt(x, py); })) {
        if (std::fabs(m_xSpeed) > BOUNCE_SLOWEST)
            m_xSpeed *= BOUNCE;
        else
            m_xSpeed = 0;
    }
    // Landing, or hitting a ceiling, ends all motion.
    if (moveInSubSteps(m_ySpeed, f, py, [&](double y) { return wallAt(px, y); })) {
        m_xSpeed = 0;
        m_ySpeed = 0;
    }

    setXY(px, py);
    m_onGround = wallAt(px, py + SUB_STEP);
    if (!m_onGround)
        m_ySpeed += GRAVITY * f;
    if (m_ySpeed > TERMINAL_SPEED)
        m_ySpeed = TERMINAL_SPEED;
    m_resting = m_xSpeed == 0 && m_ySpeed == 0;
}
