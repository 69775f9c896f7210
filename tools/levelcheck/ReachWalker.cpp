#include "ReachWalker.h"

#include "Entities/Characters/PlayerPlacement.h"
#include "World/PlayerPose.h"

namespace {
// The player's values the movement does not read (it never takes damage here).
constexpr double kHealth = 100;
constexpr int kTeam = 0;
} // namespace

ReachWalker::ReachWalker(MapController* map)
    : E_CharacterGround(map, Ellipsoid2(PLAYER_START, PLAYER_RADIUS), EN_PLAYER, kHealth,
                        SURFACE_BLOOD, kTeam) {
    m_walkSpeed = PLAYER_WALK_SPEED;
}

std::array<const CollisionPoint**, 5> ReachWalker::cachePointers() {
    CollisionPointCache& c = m_collisionPointCache;
    return {&c.m_collisionLeftMostFloor, &c.m_collisionRightMostFloor,
            &c.m_collisionLeftMostCeiling, &c.m_collisionRightMostCeiling,
            &c.m_collisionBottomMostFloor};
}

std::array<const CollisionPoint* const*, 5> ReachWalker::cachePointers() const {
    const CollisionPointCache& c = m_collisionPointCache;
    return {&c.m_collisionLeftMostFloor, &c.m_collisionRightMostFloor,
            &c.m_collisionLeftMostCeiling, &c.m_collisionRightMostCeiling,
            &c.m_collisionBottomMostFloor};
}

WalkerState ReachWalker::save() const {
    WalkerState state;
    state.centre = m_position.m_center;
    state.velocity = m_velocity;
    state.control = m_controlState;
    state.contacts.assign(m_collisionPoints.begin(), m_collisionPoints.end());
    const auto pointers = cachePointers();
    for (std::size_t slot = 0; slot < pointers.size(); ++slot) {
        std::int8_t index = 0;
        for (const CollisionPoint& point : m_collisionPoints) {
            if (&point == *pointers[slot]) {
                state.cached[slot] = index;
                break;
            }
            ++index;
        }
    }
    return state;
}

void ReachWalker::restore(const WalkerState& state) {
    m_lastPosition = m_position;
    m_position.m_center = state.centre;
    calcAboxU();
    calcAboxD();
    calcAboxL();
    calcAboxR();
    if (diffAbox())
        m_mapController->entityMove(m_pointer);
    m_velocity = state.velocity;
    m_controlState = state.control;
    m_collisionPoints.assign(state.contacts.begin(), state.contacts.end());
    std::vector<const CollisionPoint*> points;
    for (const CollisionPoint& point : m_collisionPoints)
        points.push_back(&point);
    const auto pointers = cachePointers();
    for (std::size_t slot = 0; slot < pointers.size(); ++slot)
        *pointers[slot] = state.cached[slot] < 0 ? nullptr : points[state.cached[slot]];
}

void ReachWalker::step(std::uint8_t keys, std::uint8_t before) {
    m_ctrlLeft = keys & kKeyLeft;
    m_ctrlRight = keys & kKeyRight;
    m_ctrlJump = (keys & kKeyJump) && !(before & kKeyJump);
    m_ctrlJumpRelease = !(keys & kKeyJump) && (before & kKeyJump);
    gameTick();
}

bool ReachWalker::standing() const {
    const CollisionPoint* floor = m_collisionPointCache.m_collisionBottomMostFloor;
    return m_controlState == CTRL_PLATFORM && m_velocity.m_y == 0 && floor != nullptr &&
           floor->m_normalDirection >= PHYS_LEFT_LIMIT &&
           floor->m_normalDirection <= PHYS_RIGHT_LIMIT;
}

OutlineWorld::OutlineWorld(const std::vector<Line2>& lines)
    : m_states(&m_application), m_mapState(&m_states), m_map(&m_mapState) {
    m_application.setTickFraction(1.0);
    m_map.loadOutline(lines);
    m_walker = new ReachWalker(&m_map);
}
