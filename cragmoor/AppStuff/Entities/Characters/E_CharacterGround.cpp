// The movement step and the walk along floors. Both are ordered procedures
// whose order matters (the fall refreshes the contacts the walk and the jump
// read), so each is kept as one function with its steps in sequence.
#include "Entities/Characters/E_CharacterGround.h"

#include <algorithm>
#include <optional>
#include <vector>

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
// Half the side of the box searched for the lines that meet at a corner.
constexpr double CORNER_REACH = 0.5;
// End points closer than this are one corner of the outline.
constexpr double SAME_CORNER = 1e-6;

bool walkable(Degrees direction) {
    return direction >= PHYS_LEFT_LIMIT && direction <= PHYS_RIGHT_LIMIT;
}

bool sameLine(const Line2& a, const Line2& b) {
    return a.m_a.m_x == b.m_a.m_x && a.m_a.m_y == b.m_a.m_y && a.m_b.m_x == b.m_b.m_x &&
           a.m_b.m_y == b.m_b.m_y;
}

// The sweep was stopped by walkable floor that is not the line `feet` is on.
bool otherWalkableFloor(const ContactSweep& sweep, const CollisionPoint* feet) {
    return sweep.found && walkable(sweep.point.m_normalDirection) &&
           (feet == nullptr || !sameLine(sweep.point.m_line, feet->m_line));
}

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
    if (!fall(m_velocity * f))
        m_velocity = Vector2(0, 0);

    // 3. Know the floor under the feet even when the fall did not touch it.
    if (m_collisionPointCache.m_collisionBottomMostFloor == nullptr)
        findContacts(FLOOR_PROBE);

    if (m_controlState != CTRL_EXPLODED) {
        // 4.1 Walk.
        if (const double side = walkSide(); side != 0)
            walk(m_walkSpeed * f, side < 0 ? -1 : +1);

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

// Right wins over left, and a slope jump's drift blocks walking back towards
// the slope.
double E_CharacterGround::walkSide() const {
    if (m_controlState == CTRL_EXPLODED)
        return 0;
    if (m_ctrlRight && m_controlState != CTRL_PLATFORM_SLOPE_JUMP_LEFT)
        return +1;
    if (m_ctrlLeft && m_controlState != CTRL_PLATFORM_SLOPE_JUMP_RIGHT)
        return -1;
    return 0;
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
    // In a concave bend the cache may still name the floor behind as the
    // feet, whose tangent runs into the floor ahead; a step that floor blocks
    // at once is tried again once along the floor ahead.
    std::optional<CollisionPoint> floorAhead;

    while (remaining > PHYS_ZERO) {
        // 1. Take all that is left, unless a slope shortens the step.
        double step = remaining;

        // 2./3. The floor under the leading foot decides the step. A corner
        // of the outline steeper than walkable floor, where walkable floor
        // runs on beyond it, is stepped over along the ellipse's tangent like
        // a slope: otherwise a body caught on the top corner of a wall could
        // neither climb on nor fall off.
        const CollisionPoint* feet = floorAhead  ? &*floorAhead
                                     : leftwards ? m_collisionPointCache.m_collisionLeftMostFloor
                                                 : m_collisionPointCache.m_collisionRightMostFloor;
        const CollisionPoint* head = leftwards ? m_collisionPointCache.m_collisionLeftMostCeiling
                                               : m_collisionPointCache.m_collisionRightMostCeiling;
        if (feet != nullptr) {
            floorDirection = feet->m_normalDirection;
            const bool tooSteepAhead = (leftwards ? floorDirection < PHYS_LEFT_LIMIT
                                                  : floorDirection > PHYS_RIGHT_LIMIT) &&
                                       !(feet->m_atEnd && floorRunsOnBeyond(*feet, sideways));
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
        const ContactSweep sweep = sweepContacts(stepDirection * step);
        const double moved = sweep.distance;
        if (moved == 0) {
            if (floorAhead || !otherWalkableFloor(sweep, feet))
                return;
            floorAhead = sweep.point;
            continue;
        }
        floorAhead.reset();

        // 5. Take it.
        moveCentre(stepDirection * moved);
        remaining -= moved;

        // 6. Find the floor again after stepping off it.
        if (m_collisionPointCache.m_collisionBottomMostFloor == nullptr)
            findContacts(FLOOR_PROBE);
    }
}

// A fall (or a rise) that meets the corner point of the outline at an angle
// steeper than walkable floor slides off it along the ellipse's tangent
// instead of stopping dead: only a face holds a character, and resting on a
// corner's point, or having a jump cut short by the corner of an overhang at
// the edge of the head, is not how the level is meant to be played. The one
// exception is a character walking towards walkable floor beyond the corner:
// it stops there as on a floor and the walk steps over.
bool E_CharacterGround::fall(const Vector2& movement) {
    const double length = movement.length();
    if (length == 0)
        return false;
    const ContactSweep sweep = sweepContacts(movement);
    if (sweep.distance != 0)
        moveCentre(movement.normalize() * sweep.distance);
    const bool blockedByCorner =
        sweep.found && sweep.point.m_atEnd && !walkable(sweep.point.m_normalDirection);
    const double side = walkSide();
    if (!blockedByCorner || (side != 0 && floorRunsOnBeyond(sweep.point, side)))
        return sweep.distance != 0;
    const Vector2 rest = movement * ((length - sweep.distance) / length);
    return slideOff(sweep.point, rest) || sweep.distance != 0;
}

bool E_CharacterGround::slideOff(const CollisionPoint& corner, const Vector2& rest) {
    const Vector2& normal = corner.m_normal;
    const Vector2 along = rest - normal * normal.dotProduct(rest);
    if (along.length() <= PHYS_ZERO)
        return false;
    const double moved = findContacts(along);
    if (moved == 0)
        return false;
    moveCentre(along.normalize() * moved);
    return true;
}

bool E_CharacterGround::floorRunsOnBeyond(const CollisionPoint& contact, double sideways) {
    const Line2& touched = contact.m_line;
    const Vector2& corner =
        contact.m_position.length(touched.m_a) < contact.m_position.length(touched.m_b)
            ? touched.m_a
            : touched.m_b;
    const Vector2 reach(CORNER_REACH, CORNER_REACH);
    std::vector<Line2> meeting;
    m_mapController->getCollisionLines(&meeting, Box2(corner - reach, corner + reach));
    for (const Line2& line : meeting) {
        const bool startsHere = line.m_a.length(corner) < SAME_CORNER;
        if (!startsHere && line.m_b.length(corner) >= SAME_CORNER)
            continue;
        const Vector2& otherEnd = startsHere ? line.m_b : line.m_a;
        const Vector2 front = (line.m_b - line.m_a).rNormal().normalize();
        if ((otherEnd.m_x - corner.m_x) * sideways > 0 && walkable(Degrees(front * -1.0)))
            return true;
    }
    return false;
}
