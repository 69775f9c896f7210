// Registration, activation and chunk bookkeeping of box entities.
#include "Entities/Entity.h"

#include "AppStuff/MapController.h"

namespace {

// Truncated towards zero through a signed 64-bit value: an edge above -240
// is in chunk 0, one at -240 or below wraps to a large index, which the
// map's own lookups never use (they clamp coordinates, not indices).
unsigned chunkIndexOf(double coordinate) {
    return static_cast<unsigned>(static_cast<std::int64_t>(coordinate / LEVEL_CHUNK_SIZE));
}

} // namespace

Entity::Entity(MapController* mapController, double x, double y, double bboxL, double bboxU,
               double bboxR, double bboxD, entityEnum type, int depth)
    : Drawable(0), m_mapController(mapController), m_x(x), m_y(y), m_x_last(x), m_y_last(y),
      m_xCenter(0), m_yCenter(0), m_bboxU(bboxU), m_bboxD(bboxD), m_bboxL(bboxL), m_bboxR(bboxR),
      m_bboxU_last(bboxU), m_bboxD_last(bboxD), m_bboxL_last(bboxL), m_bboxR_last(bboxR),
      m_aboxU(0), m_aboxD(0), m_aboxL(0), m_aboxR(0), m_aboxU_last(0), m_aboxD_last(0),
      m_aboxL_last(0), m_aboxR_last(0), m_active(false), m_type(type), m_gameTickCounter(0),
      m_drawCounter(0), m_filedBox{0, 0, 0, 0} {
    setDepth(depth);
    m_mapController->entityAdd(this, &m_pointer);
    calcAboxes();
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

void Entity::setActive(bool active) {
    if (active == m_active)
        return;
    if (active)
        m_mapController->entityActivate(m_pointer);
    else
        m_mapController->entityDeactivate(m_pointer);
    m_active = active;
}

void Entity::savePosition() {
    m_x_last = m_x;
    m_y_last = m_y;
}

void Entity::saveEdges() {
    m_bboxU_last = m_bboxU;
    m_bboxD_last = m_bboxD;
    m_bboxL_last = m_bboxL;
    m_bboxR_last = m_bboxR;
}

// An index recalculated by an earlier setter and not since still differs
// from its last value, so this may re-file the entity again.
void Entity::refileIfChunksChanged() {
    if (diffAbox())
        m_mapController->entityMove(m_pointer);
}

void Entity::setX(double location) {
    savePosition();
    m_x = location;
    calcAboxL();
    calcAboxR();
    refileIfChunksChanged();
}

void Entity::setY(double location) {
    savePosition();
    m_y = location;
    calcAboxU();
    calcAboxD();
    refileIfChunksChanged();
}

void Entity::setXY(double x, double y) {
    savePosition();
    m_x = x;
    m_y = y;
    calcAboxes();
    refileIfChunksChanged();
}

void Entity::setBboxU(double location) {
    saveEdges();
    m_bboxU = location;
    calcAboxU();
    refileIfChunksChanged();
}

void Entity::setBboxD(double location) {
    saveEdges();
    m_bboxD = location;
    calcAboxD();
    refileIfChunksChanged();
}

void Entity::setBboxL(double location) {
    saveEdges();
    m_bboxL = location;
    calcAboxL();
    refileIfChunksChanged();
}

void Entity::setBboxR(double location) {
    saveEdges();
    m_bboxR = location;
    calcAboxR();
    refileIfChunksChanged();
}

void Entity::setBbox(double left, double up, double right, double down) {
    saveEdges();
    m_bboxL = left;
    m_bboxU = up;
    m_bboxR = right;
    m_bboxD = down;
    calcAboxes();
    refileIfChunksChanged();
}

void Entity::setBboxXY(double x, double y, double left, double up, double right, double down) {
    savePosition();
    m_x = x;
    m_y = y;
    setBbox(left, up, right, down);
}

unsigned Entity::calcAboxU() {
    m_aboxU_last = m_aboxU;
    return m_aboxU = chunkIndexOf(m_y + m_bboxU);
}

unsigned Entity::calcAboxD() {
    m_aboxD_last = m_aboxD;
    return m_aboxD = chunkIndexOf(m_y + m_bboxD);
}

unsigned Entity::calcAboxL() {
    m_aboxL_last = m_aboxL;
    return m_aboxL = chunkIndexOf(m_x + m_bboxL);
}

unsigned Entity::calcAboxR() {
    m_aboxR_last = m_aboxR;
    return m_aboxR = chunkIndexOf(m_x + m_bboxR);
}

void Entity::calcAboxes() {
    calcAboxU();
    calcAboxD();
    calcAboxL();
    calcAboxR();
}

bool Entity::diffAbox() const {
    return m_aboxU != m_aboxU_last || m_aboxD != m_aboxD_last || m_aboxL != m_aboxL_last ||
           m_aboxR != m_aboxR_last;
}
