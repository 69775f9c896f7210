// The world's registries, chunk index, view, and its tick and frame passes.
// Counters on entities, lines and faces replace any set or sort that would
// otherwise be needed to visit each of them once per pass.
#include "AppStuff/MapController.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "AppStuff/MapStateController.h"
#include "AppStuff/ViewDepth.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Resources/Texture.h"
#include "VideoSystem.h"
#include "World/TickPass.h"
#include "_application.h"

namespace {

const unsigned REGISTRY_RESERVE = 10;
// Units of slack around the view when deciding what the view can show.
const double VIEW_SLACK = 1.0;

// Whether any point of the box may appear in the perspective view whose eye
// stands EYE_DISTANCE in front of `view` on the world plane. At depth d from
// the eye the view spans half its size times d / FRUSTUM_NEAR each way, so a
// side of the frustum is a plane and the box's corner nearest it decides.
bool inView(const Vector3& low, const Vector3& high, const Vector2& view) {
    if (high.m_z >= EYE_DISTANCE)
        return true;
    const double farthest = EYE_DISTANCE - low.m_z;
    const double halfWidth = VIEW_WIDTH / 2.0 * farthest / FRUSTUM_NEAR + VIEW_SLACK;
    const double halfHeight = VIEW_HEIGHT / 2.0 * farthest / FRUSTUM_NEAR + VIEW_SLACK;
    return low.m_x - view.m_x <= halfWidth && view.m_x - high.m_x <= halfWidth &&
           low.m_y - view.m_y <= halfHeight && view.m_y - high.m_y <= halfHeight;
}

unsigned chunkCoordinate(double value) {
    return static_cast<unsigned>(static_cast<long long>(value / LEVEL_CHUNK_SIZE));
}

template <class T> void eraseFirstEqual(std::list<T>& list, const T& value) {
    const auto found = std::find(list.begin(), list.end(), value);
    // An entity that moved by changing its centre directly can have left a
    // chunk that still lists it, or never reached one: absence is fine.
    if (found != list.end())
        list.erase(found);
}

} // namespace

void MapController::LevelChunk::entityRemove(const Pointer<Entity>& entity) {
    eraseFirstEqual(m_entities, entity);
}

MapController::MapController(MapStateController* mapStateController)
    : m_mapStateController(mapStateController),
      m_entityEnumeration(std::make_unique<EntityEnumeration>(this)), m_levelWidth(0),
      m_levelHeight(0), m_viewPosition(0, 0), m_viewPort(Vector2(-320, -240), Vector2(320, 240)),
      m_2Dmode(false), m_gameTickCounter(0), m_drawCounter(0), m_solidRetreivalCounter(0),
      m_levelChunksNum(0), m_levelChunksPerRow(0),
      m_entityManager(std::make_unique<PointerManager<Entity>>(REGISTRY_RESERVE)),
      m_collisionManager(std::make_unique<PointerManager<CollisionLine>>(REGISTRY_RESERVE)),
      m_gameTickActiveEntitiesIter(m_activeEntities.end()), m_tickPositionMoved(false) {
    set2Dmode();
}

MapController::~MapController() {
    m_NONE.nullify();
    m_activeEntities.clear();
    m_levelChunks.clear();
    for (const MeshBatch& batch : m_meshBatches)
        glDeleteLists(batch.list, 1);
    m_collisionManager.reset();
    m_entityManager.reset();
}

void MapController::entityAdd(Entity* entity, Pointer<Entity>* out) {
    m_entityManager->pointerAdd(entity, out);
    entityAddToMap(*out);
}

void MapController::collisionLineAdd(CollisionLine* line, Pointer<CollisionLine>* out) {
    m_collisionManager->pointerAdd(line, out);
    m_chunkScratch.clear();
    getLevelChunk(&m_chunkScratch, Box2(line->getLine()));
    for (unsigned index : m_chunkScratch)
        m_levelChunks[index].m_collisionLines.push_back(*out);
}

void MapController::faceAdd(const Face3& face) {
    m_faces.push_back(face);
    Face3* stored = &m_faces.back();
    const Vector3* corners[3] = {face.m_a->m_position, face.m_b->m_position, face.m_c->m_position};
    Vector2 low(corners[0]->m_x, corners[0]->m_y), high = low;
    for (const Vector3* corner : corners) {
        low = Vector2(std::min(low.m_x, corner->m_x), std::min(low.m_y, corner->m_y));
        high = Vector2(std::max(high.m_x, corner->m_x), std::max(high.m_y, corner->m_y));
    }
    m_chunkScratch.clear();
    getLevelChunk(&m_chunkScratch, Box2(low, high));
    for (unsigned index : m_chunkScratch)
        m_levelChunks[index].m_faces.push_back(stored);
}

void MapController::entityDestroy(Pointer<Entity> entity) {
    entityRemoveFromMap(entity);
    entity.destroy();
}

void MapController::entityAddToMap(const Pointer<Entity>& entity) {
    if (m_levelChunks.empty())
        return;
    m_chunkScratch.clear();
    getLevelChunk(&m_chunkScratch, Box2(entity->getPosition()));
    for (unsigned index : m_chunkScratch)
        m_levelChunks[index].entityAdd(entity);
}

void MapController::entityRemoveFromMap(const Pointer<Entity>& entity) {
    if (m_levelChunks.empty())
        return;
    m_chunkScratch.clear();
    getLevelChunk(&m_chunkScratch, Box2(entity->getPosition()));
    for (unsigned index : m_chunkScratch)
        m_levelChunks[index].entityRemove(entity);
}

void MapController::entityMove(const Pointer<Entity>& entity) {
    if (m_levelChunks.empty())
        return;
    const Box2 current(entity->getPosition());
    const Box2 last(entity->getLastPosition());
    std::vector<unsigned>& lastChunks = m_chunkScratch;
    std::vector<unsigned>& currentChunks = m_movedChunkScratch;
    lastChunks.clear();
    currentChunks.clear();
    getLevelChunk(&lastChunks, last);
    getLevelChunk(&currentChunks, current);
    if (!current.intersect(last)) {
        for (unsigned index : lastChunks)
            m_levelChunks[index].entityRemove(entity);
        for (unsigned index : currentChunks)
            m_levelChunks[index].entityAdd(entity);
        return;
    }
    // Chunks both boxes cover keep their entry; only the difference changes.
    const Box2 shared(current, last);
    const unsigned left = chunkCoordinate(shared.m_tl.m_x),
                   right = chunkCoordinate(shared.m_br.m_x);
    const unsigned top = chunkCoordinate(shared.m_tl.m_y),
                   bottom = chunkCoordinate(shared.m_br.m_y);
    const auto inShared = [&](unsigned index) {
        const unsigned column = index % m_levelChunksPerRow, row = index / m_levelChunksPerRow;
        return column >= left && column <= right && row >= top && row <= bottom;
    };
    for (unsigned index : lastChunks)
        if (!inShared(index))
            m_levelChunks[index].entityRemove(entity);
    for (unsigned index : currentChunks)
        if (!inShared(index))
            m_levelChunks[index].entityAdd(entity);
}

void MapController::entityActivate(const Pointer<Entity>& entity) {
    m_activeEntities.push_back(entity);
}

void MapController::entityDeactivate(const Pointer<Entity>& entity) {
    TickPass<Pointer<Entity>>::deactivate(m_activeEntities, m_gameTickActiveEntitiesIter,
                                          m_tickPositionMoved, entity);
}

void MapController::gameTick() {
    TickPass<Pointer<Entity>>::run(m_activeEntities, m_gameTickActiveEntitiesIter,
                                   m_tickPositionMoved, m_gameTickCounter);
    ++m_gameTickCounter;
}

int MapController::getLevelChunk(const Vector2& p) const {
    const double x = std::clamp(p.m_x, 0.0, m_levelWidth - 1.0);
    const double y = std::clamp(p.m_y, 0.0, m_levelHeight - 1.0);
    return static_cast<int>(chunkCoordinate(x) + chunkCoordinate(y) * m_levelChunksPerRow);
}

void MapController::getLevelChunk(std::vector<unsigned>* dest, const Vector2& p) const {
    dest->push_back(static_cast<unsigned>(getLevelChunk(p)));
}

void MapController::getLevelChunk(std::vector<unsigned>* dest, const Box2& box) const {
    const double maxX = m_levelWidth - 1.0, maxY = m_levelHeight - 1.0;
    Box2 clamped = box;
    clamped.m_tl =
        Vector2(std::clamp(box.m_tl.m_x, 0.0, maxX), std::clamp(box.m_tl.m_y, 0.0, maxY));
    clamped.m_br =
        Vector2(std::clamp(box.m_br.m_x, 0.0, maxX), std::clamp(box.m_br.m_y, 0.0, maxY));
    clamped.rearrange();
    const unsigned left = chunkCoordinate(clamped.m_tl.m_x),
                   right = chunkCoordinate(clamped.m_br.m_x);
    const unsigned top = chunkCoordinate(clamped.m_tl.m_y),
                   bottom = chunkCoordinate(clamped.m_br.m_y);
    for (unsigned row = top; row <= bottom; ++row)
        for (unsigned column = left; column <= right; ++column)
            dest->push_back(row * m_levelChunksPerRow + column);
}

template <class Visit> void MapController::forEachCollisionLine(const Box2& box, Visit&& visit) {
    if (m_levelChunks.empty())
        return;
    m_chunkScratch.clear();
    getLevelChunk(&m_chunkScratch, box);
    for (unsigned index : m_chunkScratch) {
        for (Pointer<CollisionLine>& line : m_levelChunks[index].m_collisionLines) {
            if (line->getRetreivalCounter() <= m_solidRetreivalCounter) {
                line->setRetreivalCounter(m_solidRetreivalCounter + 1);
                visit(line);
            }
        }
    }
    ++m_solidRetreivalCounter;
}

void MapController::getCollisionLines(std::vector<Pointer<CollisionLine>>* dest, const Box2& box) {
    forEachCollisionLine(box,
                         [dest](const Pointer<CollisionLine>& line) { dest->push_back(line); });
}

void MapController::getCollisionLines(std::vector<Line2>* dest, const Box2& box) {
    forEachCollisionLine(
        box, [dest](const Pointer<CollisionLine>& line) { dest->push_back(line->getLine()); });
}

void MapController::set2Dmode() {
    if (m_2Dmode)
        return;
    // A map made without a window (one that only moves characters) has no
    // projection to set.
    if (VideoSystem* video = m_mapStateController->getApplicationStateController()
                                 ->getApplicationController()
                                 ->getVideoSystem())
        video->set2Dmode();
    m_2Dmode = true;
}

void MapController::set3Dmode() {
    if (!m_2Dmode)
        return;
    m_mapStateController->getApplicationStateController()
        ->getApplicationController()
        ->getVideoSystem()
        ->set3Dmode();
    glTranslatef(static_cast<float>(-m_viewPosition.m_x), static_cast<float>(-m_viewPosition.m_y),
                 -EYE_DISTANCE);
    m_2Dmode = false;
}

void MapController::drawSky() const {
    if (m_faceTextures.empty())
        return;
    drawSkyQuad(m_faceTextures.back()->getTexture());
}

void MapController::drawSkyQuad(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(0, 0);
    glTexCoord2f(1, 1);
    glVertex2f(640, 0);
    glTexCoord2f(1, 0);
    glVertex2f(640, 480);
    glTexCoord2f(0, 0);
    glVertex2f(0, 480);
    glEnd();
}

void MapController::drawChunk(unsigned index) {
    for (const Pointer<Entity>& entity : m_levelChunks[index].m_entities) {
        if (!entity.isNull() && entity->getDrawCounter() <= m_drawCounter) {
            entity->setDrawCounter(m_drawCounter + 1);
            entity->draw();
        }
    }
    set3Dmode();
    glEnable(GL_LIGHTING);
    if (m_meshDrawCounter <= m_drawCounter) {
        m_meshDrawCounter = m_drawCounter + 1;
        drawLevelMesh(m_viewPosition);
    }
    glDisable(GL_LIGHTING);
}

void MapController::drawLevelMesh(const Vector2& view) const {
    const bool blending = glIsEnabled(GL_BLEND);
    bool blendingNow = blending;
    for (const MeshBatch& batch : m_meshBatches) {
        if (!inView(batch.low, batch.high, view))
            continue;
        const bool blendBatch = blending && !batch.opaque;
        if (blendBatch != blendingNow) {
            blendBatch ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
            blendingNow = blendBatch;
        }
        glCallList(batch.list);
    }
    if (blendingNow != blending)
        blending ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
}

void MapController::gameFrame() {
    if (m_levelChunks.empty())
        return;
    std::vector<unsigned> visibleChunks;
    getLevelChunk(&visibleChunks, m_viewPort + m_viewPosition);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    set2Dmode();
    glEnable(GL_TEXTURE_2D);
    drawSky();
    Pointer<Entity> cameraTarget = m_mapStateController->getCameraTarget();
    if (!cameraTarget.isNull()) {
        cameraTarget->draw();
        cameraTarget->setDrawCounter(m_drawCounter + 1);
    }
    for (unsigned index : visibleChunks)
        drawChunk(index);
    ++m_drawCounter;
}

void MapController::DEBUG_activeEntities() const {
    std::printf("==Active Entities==\n");
    for (const Pointer<Entity>& entity : m_activeEntities)
        std::printf("\t(%g, %g)\n", entity->getPosition().m_center.m_x,
                    entity->getPosition().m_center.m_y);
    std::fflush(stdout);
}

void MapController::DEBUG_levelEntities() const {
    std::printf("==Level Chunk Contents==\n");
    for (std::size_t index = 0; index < m_levelChunks.size(); ++index) {
        std::printf("\t=Level Chunk %zu=\n", index);
        for (const Pointer<Entity>& entity : m_levelChunks[index].m_entities)
            std::printf("\t\t(%g, %g)\n", entity->getPosition().m_center.m_x,
                        entity->getPosition().m_center.m_y);
    }
    std::fflush(stdout);
}
