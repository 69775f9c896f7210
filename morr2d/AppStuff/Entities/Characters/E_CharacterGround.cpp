// The movement step of box characters, in the order it must run: controls,
// horizontal sub-steps with the climbing search, vertical sub-steps, the
// new position, the ground probe and gravity.
#include "Entities/Characters/E_CharacterGround.h"

#include <cmath>

#include "Entities/SubSteps.h"
#include "Entities/WorldAccess.h"

namespace {

// The climbing search tries vertical offsets from this far below the walk
// (on the ground) up to about this far above it, in sub-step spacing.
constexpr double CLIMB_REACH = 1.5;
constexpr double JUMP_SPEED = -10.0;
constexpr double GRAVITY = 0.7;
constexpr double TERMINAL_SPEED = 16.0;
// A character that nobody steers bounces back off a wall at this share of
// its speed, unless it is slower than this.
constexpr double BOUNCE = -0.7;
constexpr double BOUNCE_SLOWEST = 0.1;
// The ground probe reaches this much further than a sub-step. After a step
// down a 45-degree tile the probe a sub-step below the box lies exactly on
// the diagonal, where rounding alone decides whether it touches the solid
// part; the slack makes it touch, so a walker stays on descending ground.
constexpr double GROUND_PROBE_SLACK = 1e-6;

} // namespace

E_CharacterGround::E_CharacterGround(MapController* mapController, double x, double y, double bboxL,
                                     double bboxU, double bboxR, double bboxD, entityEnum type,
                                     int depth, int health, surfaceType surfType, int team)
    : E_Character(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth, health, surfType,
                  team),
      m_ctrlLeft(false), m_ctrlRight(false), m_ctrlJump(false), m_ctrlJumpRelease(false),
      m_onGround(true), m_walkSpeed(0), m_xSpeed(0), m_ySpeed(0) {}

double E_CharacterGround::tickFraction() const {
    return applicationOf(m_mapController)->getTickFraction();
}

bool E_CharacterGround::wallAt(double x, double y) const {
    return m_mapController->isEntityAt(x + m_bboxL, y + m_bboxU, x + m_bboxR, y + m_bboxD, EN_WALL);
}

bool E_CharacterGround::groundBelow(double x, double y) const {
    return wallAt(x, y + SUB_STEP + GROUND_PROBE_SLACK);
}

void E_CharacterGround::gameTick() {
    const double f = tickFraction();
    double px = m_x, py = m_y;
    if (m_hasMoveControl)
        steer();
    moveHorizontally(f, px, py);
    moveVertically(f, px, py);
    setXY(px, py);
    m_onGround = groundBelow(px, py);
    if (!m_onGround)
        m_ySpeed += GRAVITY * f;
    if (m_ySpeed > TERMINAL_SPEED)
        m_ySpeed = TERMINAL_SPEED;
}

// Left wins when both walk commands are set. The jump impulse and the
// halving are not scaled by the tick fraction.
void E_CharacterGround::steer() {
    m_xSpeed = m_ctrlLeft ? -m_walkSpeed : m_ctrlRight ? m_walkSpeed : 0.0;
    if (m_onGround) {
        if (m_ctrlJump)
            m_ySpeed = JUMP_SPEED;
    } else if (m_ctrlJumpRelease && m_ySpeed < 0) {
        m_ySpeed /= 2;
    }
}

// Each sub-step takes the lowest free spot from a little below to a little
// above the walk (only above it in the air, where nothing pulls the
// character down). Once one sub-step of the tick has moved, blocked ones
// only stop short; a first blocked sub-step stops the character, or bounces
// it back if nobody steers it.
void E_CharacterGround::moveHorizontally(double f, double& px, double& py) {
    double remain = std::fabs(m_xSpeed) * f;
    double step = subStep(remain);
    bool moved = false;
    while (remain > 0) {
        const double dx = m_xSpeed < 0 ? -step : step;
        for (double dy = m_onGround ? CLIMB_REACH : 0.0; dy >= -CLIMB_REACH; dy -= SUB_STEP) {
            if (!wallAt(px + dx, py + dy)) {
                px += dx;
                py += dy;
                moved = true;
                break;
            }
        }
        m_onGround = groundBelow(px, py);
        if (!moved) {
            if (!m_hasMoveControl && std::fabs(m_xSpeed) > BOUNCE_SLOWEST)
                m_xSpeed *= BOUNCE;
            else
                m_xSpeed = 0;
            remain = 0;
        }
        remain -= SUB_STEP;
        step = subStep(remain);
    }
}

// Hitting a floor or a ceiling ends the vertical motion.
void E_CharacterGround::moveVertically(double f, double px, double& py) {
    if (moveInSubSteps(m_ySpeed, f, py, [&](double y) { return wallAt(px, y); }))
        m_ySpeed = 0;
}
