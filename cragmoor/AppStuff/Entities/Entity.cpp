// Entity registration, chunk bookkeeping and contact search. The search
// itself is the pure sweep of Contacts.h; here it gets the nearby lines and
// keeps the contacts that hold while the entity is held against a line.
#include "Entities/Entity.h"

#include <cmath>

#include "AppStuff/MapController.h"

namespace {

unsigned chunkOf(double coordinate) {
    return static_cast<unsigned>(static_cast<long long>(coordinate / LEVEL_CHUNK_SIZE));
}

// The box covering the ellipse before and after the movement: lines just
// across a chunk border on the way must be among the candidates too.
Box2 sweptBox(const Ellipsoid2& ellipse, const Vector2& velocity) {
    const Box2 before(ellipse);
    const Box2 after = before + velocity;
    return Box2(Vector2(std::min(before.m_tl.m_x, after.m_tl.m_x),
                        std::min(before.m_tl.m_y, after.m_tl.m_y)),
                Vector2(std::max(before.m_br.m_x, after.m_br.m_x),
                        std::max(before.m_br.m_y, after.m_br.m_y)));
}

} // namespace

Entity::Entity(MapController* mapController, const Ellipsoid2& position, entityEnum type)
    : m_mapController(mapController), m_position(position), m_lastPosition(position),
      m_center(0, 0), m_aboxU(0), m_aboxD(0), m_aboxL(0), m_aboxR(0), m_aboxU_last(0),
      m_aboxD_last(0), m_aboxL_last(0), m_aboxR_last(0), m_active(false), m_type(type),
      m_gameTickCounter(0), m_drawCounter(0) {
    m_mapController->entityAdd(this, &m_pointer);
    calcAllAboxes();
    m_aboxU_last = m_aboxU;
    m_aboxD_last = m_aboxD;
    m_aboxL_last = m_aboxL;
    m_aboxR_last = m_aboxR;
    // Take part in the tick and frame already under way.
    m_gameTickCounter = m_mapController->getGameTickCounter();
    m_drawCounter = m_mapController->getDrawCounter();
    setActive(true);
}

Entity::~Entity() = default;

void Entity::destroy() {
    setActive(false);
    m_mapController->entityDestroy(m_pointer);
}

void Entity::getPointer(Pointer<Entity>* out) const {
    *out = m_pointer;
}

void Entity::setPosition(const Vector2& center) {
    m_lastPosition = m_position;
    m_position = Ellipsoid2(center, Vector2(1, 1));
    calcAllAboxes();
    if (diffAbox())
        m_mapController->entityMove(m_pointer);
}

void Entity::setActive(bool active) {
    if (active == m_active)
        return;
    if (active)
        m_mapController->entityActivate(m_pointer);
    else
        m_mapController->entityDeactivate(m_pointer);
    m_active = active;
}

unsigned Entity::calcAboxU() {
    m_aboxU_last = m_aboxU;
    return m_aboxU = chunkOf(m_position.m_center.m_y - m_position.m_radius.m_y);
}

unsigned Entity::calcAboxD() {
    m_aboxD_last = m_aboxD;
    return m_aboxD = chunkOf(m_position.m_center.m_y + m_position.m_radius.m_y);
}

unsigned Entity::calcAboxL() {
    m_aboxL_last = m_aboxL;
    return m_aboxL = chunkOf(m_position.m_center.m_x - m_position.m_radius.m_x);
}

unsigned Entity::calcAboxR() {
    m_aboxR_last = m_aboxR;
    return m_aboxR = chunkOf(m_position.m_center.m_x + m_position.m_radius.m_x);
}

void Entity::calcAllAboxes() {
    calcAboxU();
    calcAboxD();
    calcAboxL();
    calcAboxR();
}

bool Entity::diffAbox() const {
    return m_aboxU != m_aboxU_last || m_aboxD != m_aboxD_last || m_aboxL != m_aboxL_last ||
           m_aboxR != m_aboxR_last;
}

double Entity::findContacts(const Vector2& velocity) {
    return sweepContacts(velocity).distance;
}

ContactSweep Entity::sweepContacts(const Vector2& velocity) {
    m_nearbyLines.clear();
    m_mapController->getCollisionLines(&m_nearbyLines, sweptBox(m_position, velocity));
    const ContactSweep sweep = sweepEllipse(m_position, velocity, m_nearbyLines);
    if (sweep.moved) {
        m_collisionPoints.clear();
        m_collisionPointCache.clear();
    }
    if (sweep.found)
        recordContact(m_collisionPoints, m_collisionPointCache, sweep.point, m_position.m_center);
    return sweep;
}
