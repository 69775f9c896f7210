// The world's registry, chunk index, view, rectangle query, and its tick
// and frame passes. Counters on entities replace any set or sort that would
// otherwise be needed to visit each of them once per pass.
#include "AppStuff/MapController.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <stdexcept>

#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Entities/E_NONE.h"
#include "Entities/Level/E_Wall.h"
#include "PointMath.h"
#include "VideoSystem.h"
#include "World/TickPass.h"

namespace {

const unsigned REGISTRY_RESERVE = 10;
// Half the virtual view, 640 by 480 units.
const double VIEW_HALF_WIDTH = 320.0;
const double VIEW_HALF_HEIGHT = 240.0;

unsigned chunkCoordinate(double value) {
    return static_cast<unsigned>(static_cast<std::int64_t>(value / LEVEL_CHUNK_SIZE));
}

bool isWallType(entityEnum type) {
    return entityTypeIsParent(EN_WALL, type);
}

Entity::FiledBox boxOf(const Entity& entity) {
    return {entity.getX() + entity.getBboxL(), entity.getY() + entity.getBboxU(),
            entity.getX() + entity.getBboxR(), entity.getY() + entity.getBboxD()};
}

} // namespace

void MapController::LevelChunk::entityAdd(const Pointer<Entity>& entity) {
    m_entities.push_back(entity);
    if (isWallType(entity->getType()))
        m_walls.push_back(&*entity);
}

void MapController::LevelChunk::entityRemove(const Pointer<Entity>& entity) {
    const auto found = std::find(m_entities.begin(), m_entities.end(), entity);
    if (found == m_entities.end())
        return;
    m_entities.erase(found);
    if (isWallType(entity->getType())) {
        const auto wall = std::find(m_walls.begin(), m_walls.end(), &*entity);
        if (wall != m_walls.end())
            m_walls.erase(wall);
    }
}

MapController::MapController(MapStateController* mapStateController)
    : m_mapStateController(mapStateController),
      m_entityEnumeration(std::make_unique<EntityEnumeration>(this)), m_levelWidth(0),
      m_levelHeight(0), m_viewX(0), m_viewY(0), m_viewBoxU(-VIEW_HALF_HEIGHT),
      m_viewBoxD(VIEW_HALF_HEIGHT), m_viewBoxL(-VIEW_HALF_WIDTH), m_viewBoxR(VIEW_HALF_WIDTH),
      m_gameTickCounter(0), m_drawCounter(0), m_levelChunksNum(0), m_levelChunksPerRow(0),
      m_entityManager(std::make_unique<PointerManager<Entity>>(REGISTRY_RESERVE)),
      m_gameTickActiveEntitiesIter(m_activeEntities.end()), m_tickPositionMoved(false) {}

MapController::~MapController() {
    m_NONE.nullify();
    m_levelChunks.clear();
    m_activeEntities.clear();
    m_entityManager.reset();
}

void MapController::createChunks(unsigned width, unsigned height) {
    m_levelWidth = width;
    m_levelHeight = height;
    m_levelChunksPerRow = (width + LEVEL_CHUNK_SIZE - 1) / LEVEL_CHUNK_SIZE;
    m_levelChunksNum = m_levelChunksPerRow * ((height + LEVEL_CHUNK_SIZE - 1) / LEVEL_CHUNK_SIZE);
    m_levelChunks.resize(m_levelChunksNum);
}

void MapController::loadEmptyMap() {
    m_viewX = VIEW_HALF_WIDTH;
    m_viewY = VIEW_HALF_HEIGHT;
    createChunks(LEVEL_SIZE, LEVEL_SIZE);
    const E_NONE* none = new E_NONE(this);
    none->getPointer(&m_NONE);
}

void MapController::loadMap(const char* /*name*/) {
    loadEmptyMap();
    buildFixedLevel();
}

void MapController::entityAdd(Entity* entity, Pointer<Entity>* pointerDest) {
    m_entityManager->pointerAdd(entity, pointerDest);
    entityAddToMap(*pointerDest);
}

void MapController::entityAddToMap(const Pointer<Entity>& entity) {
    if (m_levelChunks.empty())
        return;
    const Entity::FiledBox box = boxOf(*entity);
    const ChunkSpan span = chunkSpan(box.left, box.top, box.right, box.bottom);
    for (unsigned row = span.top; row <= span.bottom; ++row)
        for (unsigned column = span.left; column <= span.right; ++column)
            m_levelChunks[chunkIndex(column, row)].entityAdd(entity);
    entity->setFiledBox(box);
}

void MapController::entityRemoveFromMap(const Pointer<Entity>& entity) {
    if (m_levelChunks.empty())
        return;
    const Entity::FiledBox& box = entity->getFiledBox();
    const ChunkSpan span = chunkSpan(box.left, box.top, box.right, box.bottom);
    for (unsigned row = span.top; row <= span.bottom; ++row)
        for (unsigned column = span.left; column <= span.right; ++column)
            m_levelChunks[chunkIndex(column, row)].entityRemove(entity);
}

void MapController::entityDestroy(Pointer<Entity> entity) {
    entityRemoveFromMap(entity);
    entity.destroy();
}

void MapController::entityActivate(const Pointer<Entity>& entity) {
    m_activeEntities.push_back(entity);
}

void MapController::entityDeactivate(const Pointer<Entity>& entity) {
    TickPass<Pointer<Entity>>::deactivate(m_activeEntities, m_gameTickActiveEntitiesIter,
                                          m_tickPositionMoved, entity);
}

// Chunks that both the old and the new box cover keep their entry; by the
// half-open point test the right column and bottom row of the overlap are
// re-filed too, so an entry there moves to the end of its chunk's list.
// The old box is the one the entity was filed under.
void MapController::entityMove(const Pointer<Entity>& entity) {
    if (m_levelChunks.empty())
        return;
    const Entity::FiledBox before = entity->getFiledBox();
    const Entity::FiledBox after = boxOf(*entity);
    const ChunkSpan oldSpan = chunkSpan(before.left, before.top, before.right, before.bottom);
    const ChunkSpan newSpan = chunkSpan(after.left, after.top, after.right, after.bottom);
    entity->setFiledBox(after);
    if (!shapesIntersect(after.left, after.top, after.right, after.bottom, before.left, before.top,
                         before.right, before.bottom)) {
        for (unsigned row = oldSpan.top; row <= oldSpan.bottom; ++row)
            for (unsigned column = oldSpan.left; column <= oldSpan.right; ++column)
                m_levelChunks[chunkIndex(column, row)].entityRemove(entity);
        for (unsigned row = newSpan.top; row <= newSpan.bottom; ++row)
            for (unsigned column = newSpan.left; column <= newSpan.right; ++column)
                m_levelChunks[chunkIndex(column, row)].entityAdd(entity);
        return;
    }
    double left, top, right, bottom;
    shapeIntersection(after.left, after.top, after.right, after.bottom, before.left, before.top,
                      before.right, before.bottom, &left, &top, &right, &bottom);
    const ChunkSpan shared = chunkSpan(left, top, right, bottom);
    const auto outsideShared = [&](unsigned column, unsigned row) {
        return !shapesIntersect(column, row, shared.left, shared.top, shared.right, shared.bottom);
    };
    for (unsigned row = oldSpan.top; row <= oldSpan.bottom; ++row)
        for (unsigned column = oldSpan.left; column <= oldSpan.right; ++column)
            if (outsideShared(column, row))
                m_levelChunks[chunkIndex(column, row)].entityRemove(entity);
    for (unsigned row = newSpan.top; row <= newSpan.bottom; ++row)
        for (unsigned column = newSpan.left; column <= newSpan.right; ++column)
            if (outsideShared(column, row))
                m_levelChunks[chunkIndex(column, row)].entityAdd(entity);
}

void MapController::gameTick() {
    TickPass<Pointer<Entity>>::run(m_activeEntities, m_gameTickActiveEntitiesIter,
                                   m_tickPositionMoved, m_gameTickCounter);
    ++m_gameTickCounter;
}

void MapController::gameFrame() {
    if (m_levelChunks.empty())
        return;
    VideoSystem* video = m_mapStateController->getApplicationStateController()
                             ->getApplicationController()
                             ->getVideoSystem();
    const ChunkSpan view = chunkSpan(m_viewX + m_viewBoxL, m_viewY + m_viewBoxU,
                                     m_viewX + m_viewBoxR, m_viewY + m_viewBoxD);
    for (unsigned row = view.top; row <= view.bottom; ++row) {
        for (unsigned column = view.left; column <= view.right; ++column) {
            for (const Pointer<Entity>& entity :
                 m_levelChunks[chunkIndex(column, row)].m_entities) {
                if (entity->getDrawCounter() <= m_drawCounter) {
                    entity->setDrawCounter(m_drawCounter + 1);
                    video->drawAdd(&*entity);
                }
            }
        }
    }
    ++m_drawCounter;
}

MapController::ChunkSpan MapController::chunkSpan(double left, double top, double right,
                                                  double bottom) const {
    if (left > right || top > bottom)
        throw std::runtime_error("Get level chunk box invalid");
    const double maxX = m_levelWidth - 1.0, maxY = m_levelHeight - 1.0;
    return {chunkCoordinate(std::clamp(left, 0.0, maxX)),
            chunkCoordinate(std::clamp(top, 0.0, maxY)),
            chunkCoordinate(std::clamp(right, 0.0, maxX)),
            chunkCoordinate(std::clamp(bottom, 0.0, maxY))};
}

unsigned MapController::getLevelChunk(double x, double y) const {
    const ChunkSpan span = chunkSpan(x, y, x, y);
    return chunkIndex(span.left, span.top);
}

void MapController::getLevelChunk(std::list<unsigned>* listDest, double x, double y) const {
    listDest->push_back(getLevelChunk(x, y));
}

void MapController::getLevelChunk(std::list<unsigned>* listDest, double left, double top,
                                  double right, double bottom) const {
    const ChunkSpan span = chunkSpan(left, top, right, bottom);
    for (unsigned row = span.top; row <= span.bottom; ++row)
        for (unsigned column = span.left; column <= span.right; ++column)
            listDest->push_back(chunkIndex(column, row));
}

void MapController::viewSetX(double x) {
    m_viewX = x;
    const double highest = (m_levelWidth - 1.0) - m_viewBoxR;
    if (m_viewX < -m_viewBoxL)
        m_viewX = -m_viewBoxL;
    else if (m_viewX > highest)
        m_viewX = highest;
}

void MapController::viewSetY(double y) {
    m_viewY = y;
    const double highest = (m_levelHeight - 1.0) - m_viewBoxD;
    if (m_viewY < -m_viewBoxU)
        m_viewY = -m_viewBoxU;
    else if (m_viewY > highest)
        m_viewY = highest;
}

bool MapController::entityCountsAt(const Entity& entity, double left, double top, double right,
                                   double bottom, entityEnum type) const {
    if (!m_entityEnumeration->entityIsParent(type, entity.getType()))
        return false;
    if (isWallType(entity.getType()))
        return static_cast<const E_Wall&>(entity).intersect(left, top, right, bottom);
    const Entity::FiledBox box = boxOf(entity);
    return shapesIntersect(left, top, right, bottom, box.left, box.top, box.right, box.bottom);
}

// Which entity is found first does not matter to the answer, so a question
// about walls only looks at each chunk's walls.
bool MapController::isEntityAt(double left, double top, double right, double bottom,
                               entityEnum type) {
    if (m_levelChunks.empty())
        return false;
    const ChunkSpan span = chunkSpan(left, top, right, bottom);
    const bool wallsOnly = isWallType(type);
    for (unsigned row = span.top; row <= span.bottom; ++row) {
        for (unsigned column = span.left; column <= span.right; ++column) {
            const LevelChunk& chunk = m_levelChunks[chunkIndex(column, row)];
            if (wallsOnly) {
                for (const Entity* wall : chunk.m_walls)
                    if (entityCountsAt(*wall, left, top, right, bottom, type))
                        return true;
                continue;
            }
            for (const Pointer<Entity>& entity : chunk.m_entities)
                if (entityCountsAt(*entity, left, top, right, bottom, type))
                    return true;
        }
    }
    return false;
}

void MapController::collectWalls(double left, double top, double right, double bottom,
                                 std::vector<const E_Wall*>* dest) const {
    if (m_levelChunks.empty())
        return;
    const ChunkSpan span = chunkSpan(left, top, right, bottom);
    for (unsigned row = span.top; row <= span.bottom; ++row) {
        for (unsigned column = span.left; column <= span.right; ++column) {
            for (const Entity* filed : m_levelChunks[chunkIndex(column, row)].m_walls) {
                const E_Wall* wall = static_cast<const E_Wall*>(filed);
                const Entity::FiledBox box = boxOf(*wall);
                if (shapesIntersect(left, top, right, bottom, box.left, box.top, box.right,
                                    box.bottom) &&
                    std::find(dest->begin(), dest->end(), wall) == dest->end())
                    dest->push_back(wall);
            }
        }
    }
}

void MapController::DEBUG_activeEntities() const {
    std::cout << "==Active Entities==\n";
    for (const Pointer<Entity>& entity : m_activeEntities)
        std::cout << "\t(" << entity->getX() << ", " << entity->getY() << ")\n";
    std::cout.flush();
}

void MapController::DEBUG_levelEntities() const {
    std::cout << "==Level Chunk Contents==\n";
    for (std::size_t index = 0; index < m_levelChunks.size(); ++index) {
        std::cout << "\t=Level Chunk " << index << "=\n";
        for (const Pointer<Entity>& entity : m_levelChunks[index].m_entities)
            std::cout << "\t\t(" << entity->getX() << ", " << entity->getY() << ")\n";
    }
    std::cout.flush();
}
