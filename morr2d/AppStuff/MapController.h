// morr2d's world: the registry of entities, the list of those that tick, a
// grid of 240-unit chunks listing the entities whose boxes touch them, and
// the view. It runs the tick and the frame, answers whether an entity of a
// kind lies in a rectangle, and re-files entities when their boxes move.
// Its level is built in code.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "Entities/Entity.h"
#include "PointerManager.h"
#include "World/EntityEnumeration.h"

class E_Wall;
class MapStateController;

const unsigned LEVEL_CHUNK_SIZE = 240;
// Width and height of the level built in code, in world units.
const unsigned LEVEL_SIZE = 1000;

class MapController {
  public:
    struct LevelChunk {
        std::list<Pointer<Entity>> m_entities;
        // The walls among them once more, so that the collision queries,
        // which only ever ask for walls, pass over nothing else. Filed as
        // entities: a wall is filed from the entity constructor, before it
        // is a wall, and is looked at as one only once it is built.
        std::vector<Entity*> m_walls;
        void entityAdd(const Pointer<Entity>& entity);
        // Removing a handle the chunk does not hold does nothing.
        void entityRemove(const Pointer<Entity>& entity);
    };

    explicit MapController(MapStateController* mapStateController);
    virtual ~MapController();
    MapController(const MapController&) = delete;
    MapController& operator=(const MapController&) = delete;

    // Builds the fixed test level; the name is not used.
    void loadMap(const char* name);
    // The level's chunks and the placeholder entity, without anything in
    // it: for worlds that tests and benchmarks build themselves.
    void loadEmptyMap();

    MapStateController* getMapStateController() const { return m_mapStateController; }
    EntityEnumeration* getEntityEnumeration() const { return m_entityEnumeration.get(); }
    std::uint64_t getGameTickCounter() const { return m_gameTickCounter; }
    std::uint64_t getDrawCounter() const { return m_drawCounter; }
    unsigned getLevelWidth() const { return m_levelWidth; }
    unsigned getLevelHeight() const { return m_levelHeight; }
    unsigned getLevelChunksNum() const { return m_levelChunksNum; }
    const LevelChunk& getChunk(unsigned index) const { return m_levelChunks[index]; }
    const std::list<Pointer<Entity>>& getActiveEntities() const { return m_activeEntities; }

    void gameTick();
    void gameFrame();

    void getNONEobject(Pointer<Entity>* pointerDest) const { *pointerDest = m_NONE; }

    // The point or rectangle is clamped into the level first; an inverted
    // rectangle throws "Get level chunk box invalid".
    unsigned getLevelChunk(double x, double y) const;
    void getLevelChunk(std::list<unsigned>* listDest, double x, double y) const;
    void getLevelChunk(std::list<unsigned>* listDest, double left, double top, double right,
                       double bottom) const;

    // The view centre is clamped so that the view stays inside the level.
    void viewSetX(double x);
    void viewSetY(double y);
    double viewGetX() const { return m_viewX; }
    double viewGetY() const { return m_viewY; }
    double viewGetTop() const { return m_viewY + m_viewBoxU; }
    double viewGetLeft() const { return m_viewX + m_viewBoxL; }

    // Whether an entity of `type` or a descendant touches the rectangle;
    // walls answer by their shape.
    bool isEntityAt(double left, double top, double right, double bottom, entityEnum type);

    // Appends each wall whose box shares interior with the rectangle, once.
    // A rectangle inside it touches a wall exactly when it touches one of
    // these, so a movement can gather them once and test its sub-steps
    // against them alone.
    void collectWalls(double left, double top, double right, double bottom,
                      std::vector<const E_Wall*>* dest) const;

    void DEBUG_activeEntities() const;
    void DEBUG_levelEntities() const;

    // Bookkeeping that entities ask for from their constructors, setters
    // and destroy().
    void entityAdd(Entity* entity, Pointer<Entity>* pointerDest);
    void entityDestroy(Pointer<Entity> entity);
    void entityActivate(const Pointer<Entity>& entity);
    // Deactivating an entity that is not active does nothing.
    void entityDeactivate(const Pointer<Entity>& entity);
    void entityMove(const Pointer<Entity>& entity);
    void entityAddToMap(const Pointer<Entity>& entity);
    void entityRemoveFromMap(const Pointer<Entity>& entity);

  private:
    // Chunk columns and rows of a rectangle after clamping it into the level.
    struct ChunkSpan {
        unsigned left, top, right, bottom;
    };
    ChunkSpan chunkSpan(double left, double top, double right, double bottom) const;
    unsigned chunkIndex(unsigned column, unsigned row) const {
        return row * m_levelChunksPerRow + column;
    }
    void createChunks(unsigned width, unsigned height);
    void buildFixedLevel();
    bool entityCountsAt(const Entity& entity, double left, double top, double right, double bottom,
                        entityEnum type) const;

    MapStateController* m_mapStateController;
    std::unique_ptr<EntityEnumeration> m_entityEnumeration;
    unsigned m_levelWidth;
    unsigned m_levelHeight;
    double m_viewX;
    double m_viewY;
    // The visible rectangle as offsets from the view centre.
    double m_viewBoxU, m_viewBoxD, m_viewBoxL, m_viewBoxR;
    std::uint64_t m_gameTickCounter;
    std::uint64_t m_drawCounter;
    unsigned m_levelChunksNum;
    unsigned m_levelChunksPerRow;
    // The registry comes before everything that holds handles into it, so
    // that those handles are released first.
    std::unique_ptr<PointerManager<Entity>> m_entityManager;
    std::list<Pointer<Entity>> m_activeEntities;
    std::vector<LevelChunk> m_levelChunks;
    std::list<Pointer<Entity>>::iterator m_gameTickActiveEntitiesIter;
    // Set when deactivation moved the tick's position on.
    bool m_tickPositionMoved;
    Pointer<Entity> m_NONE;
};
