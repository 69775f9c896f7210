// The movement step and the walk along floors. Both are ordered procedures
// whose order matters (the fall refreshes the contacts the walk and the jump
// read), so each is kept as one function with its steps in sequence.
#include "Entities/Characters/E_CharacterGround.h"

#include <algorithm>

#include "Entities/Characters/WorldAccess.h"

namespace {

// Upward speed of a straight jump, world units per tick.
constexpr double JUMP_SPEED = 10.0;
// Speed of the push away from a steep slope, along its normal.
constexpr double SLOPE_JUMP_SPEED = 7.0;
// Letting go of jump while rising keeps this share of the upward speed.
constexpr double SHORT_JUMP_FACTOR = 0.5;
// How fast the sideways push of a slope jump dies away, per whole tick.
constexpr double SLOPE_DRIFT_DECAY = 0.5;
// The floor direction of a step that is not along a walkable slope.
constexpr double STRAIGHT_DOWN = 270.0;
// Half a turn, to turn a ceiling's normal into the floor direction it stands
// against.
constexpr double HALF_TURN = 180.0;
// A probe one unit down finds the floor under a character that has none
// cached; it does not move the character.
const Vector2 FLOOR_PROBE(0, 1);

} // namespace

E_CharacterGround::E_CharacterGround(MapController* mapController, const Ellipsoid2& position,
                                     entityEnum type, double health, surfaceType surfType, int team)
    : E_Character(mapController, position, type, health, surfType, team),
      m_controlState(CTRL_PLATFORM), m_velocity(0, 0), m_ctrlLeft(false), m_ctrlRight(false),
      m_ctrlJump(false), m_ctrlJumpRelease(false), m_onGround(true), m_walkSpeed(0), m_xSpeed(0),
      m_ySpeed(0) {}

double E_CharacterGround::tickFraction() const {
    return applicationOf(m_mapController)->getTickFraction();
}

void E_CharacterGround::moveCentre(const Vector2& offset) {
    m_lastPosition = m_position;
    m_position.m_center += offset;
    calcAboxU();
    calcAboxD();
    calcAboxL();
    calcAboxR();
    if (diffAbox())
        m_mapController->entityMove(m_pointer);
}

// Impulses (jump speeds, the halving) act at once and are not scaled by the
// tick fraction; gravity, the fall, the walk and the drift are.
void E_CharacterGround::gameTick() {
    const double f = tickFraction();

    // 1. Gravity, up to the terminal speed.
    m_velocity.m_y = std::min(m_velocity.m_y + PHYS_GRAVITY * f, PHYS_TERMINAL_VELOCITY);

    // 2. Fall as far as the level lets; a fall blocked at once stops dead.
    const Vector2 fall = m_velocity * f;
    const double fallen = findContacts(fall);
    if (fallen != 0)
        moveCentre(fall.normalize() * fallen);
    else
        m_velocity = Vector2(0, 0);

    // 3. Know the floor under the feet even when the fall did not touch it.
    if (m_collisionPointCache.m_collisionBottomMostFloor == nullptr)
        findContacts(FLOOR_PROBE);

    if (m_controlState != CTRL_EXPLODED) {
        // 4.1 Walk; right wins over left, and a slope jump's drift blocks
        // walking back towards the slope.
        if (m_ctrlRight && m_controlState != CTRL_PLATFORM_SLOPE_JUMP_LEFT)
            walk(m_walkSpeed * f, +1);
        else if (m_ctrlLeft && m_controlState != CTRL_PLATFORM_SLOPE_JUMP_RIGHT)
            walk(m_walkSpeed * f, -1);

        // 4.2 Jump: straight up from walkable floor, pushed away along the
        // normal from anything steeper.
        const CollisionPoint* floor = m_collisionPointCache.m_collisionBottomMostFloor;
        if (m_ctrlJump && m_controlState == CTRL_PLATFORM && floor != nullptr) {
            const Degrees direction = floor->m_normalDirection;
            if (direction >= PHYS_LEFT_LIMIT && direction <= PHYS_RIGHT_LIMIT) {
                m_velocity.m_y = -JUMP_SPEED;
            } else {
                m_velocity = floor->m_normal * -SLOPE_JUMP_SPEED;
                m_controlState = m_velocity.m_x < 0 ? CTRL_PLATFORM_SLOPE_JUMP_LEFT
                                                    : CTRL_PLATFORM_SLOPE_JUMP_RIGHT;
            }
        }

        // 4.3 Short jump: letting go while rising halves the upward speed.
        if (m_ctrlJumpRelease && m_controlState == CTRL_PLATFORM && m_velocity.m_y < 0)
            m_velocity.m_y *= SHORT_JUMP_FACTOR;
    }

    // 5. A slope jump's sideways push dies away; control returns when it is
    // spent.
    if (m_controlState == CTRL_PLATFORM_SLOPE_JUMP_LEFT) {
        if (m_velocity.m_x >= 0) {
            m_controlState = CTRL_PLATFORM;
            m_velocity.m_x = 0;
        } else {
            m_velocity.m_x += SLOPE_DRIFT_DECAY * f;
        }
    } else if (m_controlState == CTRL_PLATFORM_SLOPE_JUMP_RIGHT) {
        if (m_velocity.m_x <= 0) {
            m_controlState = CTRL_PLATFORM;
            m_velocity.m_x = 0;
        } else {
            m_velocity.m_x -= SLOPE_DRIFT_DECAY * f;
        }
    }
}

// The feet and head contacts are those on the side of the motion, read
// afresh in every pass because each pass's search refreshes them. The floor
// direction and the step direction carry over between passes: a pass that
// only sets the step's x keeps the y of the slope before it.
void E_CharacterGround::walk(double distance, char direction) {
    const bool leftwards = direction < 0;
    const double sideways = leftwards ? -1.0 : 1.0;
    Degrees floorDirection(0);
    Vector2 stepDirection(0, 0);
    double remaining = distance;

    while (remaining > PHYS_ZERO) {
        // 1. Take all that is left, unless a slope shortens the step.
        double step = remaining;

        // 2./3. The floor under the leading foot decides the step.
        const CollisionPoint* feet = leftwards ? m_collisionPointCache.m_collisionLeftMostFloor
                                               : m_collisionPointCache.m_collisionRightMostFloor;
        const CollisionPoint* head = leftwards ? m_collisionPointCache.m_collisionLeftMostCeiling
                                               : m_collisionPointCache.m_collisionRightMostCeiling;
        if (feet != nullptr) {
            floorDirection = feet->m_normalDirection;
            const bool tooSteepAhead =
                leftwards ? floorDirection < PHYS_LEFT_LIMIT : floorDirection > PHYS_RIGHT_LIMIT;
            const bool fallingAwayBehind =
                leftwards ? floorDirection > PHYS_RIGHT_LIMIT : floorDirection < PHYS_LEFT_LIMIT;
            if (tooSteepAhead)
                return;
            if (fallingAwayBehind) {
                floorDirection = Degrees(STRAIGHT_DOWN);
                stepDirection.m_x = sideways;
            } else {
                stepDirection = leftwards ? feet->m_normal.rNormal() : feet->m_normal.lNormal();
                step = std::min(step, PHYS_SLIDE);
            }
        } else {
            floorDirection = Degrees(STRAIGHT_DOWN);
            stepDirection.m_x = sideways;
        }
        // A ceiling leaning down into the way stops the walk.
        if (head != nullptr) {
            const Degrees ceiling = (head->m_normalDirection - HALF_TURN).constrain();
            if (leftwards ? ceiling > floorDirection : ceiling < floorDirection)
                return;
        }

        // 4. How far the step can go.
        const double moved = findContacts(stepDirection * step);
        if (moved == 0)
            return;

        // 5. Take it.
        moveCentre(stepDirection * moved);
        remaining -= moved;

        // 6. Find the floor again after stepping off it.
        if (m_collisionPointCache.m_collisionBottomMostFloor == nullptr)
            findContacts(FLOOR_PROBE);
    }
}
