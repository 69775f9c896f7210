// cragmoor's world: the registries of entities and collision lines, the
// level mesh, a grid of 240-unit chunks indexing entities and lines by area,
// the view, and the tick and frame passes over all of it.
#pragma once

#include <GL/gl.h>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <vector>

#include "Entities/CollisionLine.h"
#include "Entities/Entity.h"
#include "PointerManager.h"
#include "Util/Shapes.h"
#include "Util/Vector2.h"
#include "Util/Vector3.h"
#include "World/EntityEnumeration.h"

class MapStateController;
class Texture;
struct LevelData;

const unsigned LEVEL_CHUNK_SIZE = 240;
// Width and height of every level, in world units.
const unsigned LEVEL_SIZE = 9000;

class MapController {
  public:
    struct Face3;
    struct LevelChunk {
        std::list<Pointer<Entity>> m_entities;
        std::list<Pointer<CollisionLine>> m_collisionLines;
        std::list<Face3*> m_faces;
        void entityAdd(const Pointer<Entity>& entity) { m_entities.push_back(entity); }
        void entityRemove(const Pointer<Entity>& entity);
    };

    // One corner of a mesh face: pointers into the map's vertex data.
    struct Vertex3 {
        Vertex3(Vector3* position, Vector3* normal, Vector3* texCoord)
            : m_position(position), m_normal(normal), m_texCoord(texCoord) {}
        void glCommands() const;
        Vector3* m_position;
        Vector3* m_normal;
        Vector3* m_texCoord;
    };

    struct Face3 {
        Face3(Vertex3* a, Vertex3* b, Vertex3* c, Texture* texture);
        // The face drawn on its own: its state, then its triangle.
        void glCommands() const;
        // The state the face is drawn with: shading, texture and colour.
        void glState() const;
        void glVertices() const;
        Vertex3* m_a;
        Vertex3* m_b;
        Vertex3* m_c;
        Texture* m_texture;
    };

    class MapObjLoader;

    explicit MapController(MapStateController* mapStateController);
    virtual ~MapController();
    MapController(const MapController&) = delete;
    MapController& operator=(const MapController&) = delete;

    void loadMap(const char* path);
    // Only the level's collision lines: no mesh, texture, entity or GL call,
    // so that movement can run without a window (the level checker explores
    // levels this way).
    void loadOutline(const std::vector<Line2>& lines);

    MapStateController* getMapStateController() const { return m_mapStateController; }
    EntityEnumeration* getEntityEnumeration() const { return m_entityEnumeration.get(); }
    std::uint64_t getGameTickCounter() const { return m_gameTickCounter; }
    std::uint64_t getDrawCounter() const { return m_drawCounter; }
    unsigned getLevelWidth() const { return m_levelWidth; }
    unsigned getLevelHeight() const { return m_levelHeight; }

    void entityAdd(Entity* entity, Pointer<Entity>* out);
    void collisionLineAdd(CollisionLine* line, Pointer<CollisionLine>* out);
    void faceAdd(const Face3& face);
    void entityDestroy(Pointer<Entity> entity);
    void entityAddToMap(const Pointer<Entity>& entity);
    void entityRemoveFromMap(const Pointer<Entity>& entity);
    void entityMove(const Pointer<Entity>& entity);
    void entityActivate(const Pointer<Entity>& entity);
    void entityDeactivate(const Pointer<Entity>& entity);
    const std::list<Pointer<Entity>>& getActiveEntities() const { return m_activeEntities; }

    void gameTick();
    void gameFrame();

    void getNONEobject(Pointer<Entity>* out) const { *out = m_NONE; }

    int getLevelChunk(const Vector2& p) const;
    void getLevelChunk(std::vector<unsigned>* dest, const Vector2& p) const;
    void getLevelChunk(std::vector<unsigned>* dest, const Box2& box) const;
    const LevelChunk& getChunk(unsigned index) const { return m_levelChunks[index]; }
    // Every line listed in a chunk the box overlaps, each line once.
    void getCollisionLines(std::vector<Pointer<CollisionLine>>* dest, const Box2& box);
    void getCollisionLines(std::vector<Line2>* dest, const Box2& box);

    void viewSetPosition(const Vector2& position) { m_viewPosition = position; }
    const Vector2& viewGetPosition() const { return m_viewPosition; }
    void viewSetPort(const Box2& port) { m_viewPort = port; }
    const Box2& viewGetPort() const { return m_viewPort; }
    Vector2 viewGetTopLeft() const { return m_viewPosition + m_viewPort.m_tl; }

    void set2Dmode();
    void set3Dmode();

    void DEBUG_activeEntities() const;
    void DEBUG_levelEntities() const;

    std::size_t getFaceCount() const { return m_faces.size(); }
    const std::deque<Face3>& getFaces() const { return m_faces; }
    // Draws the faces of the level that the perspective view centred on
    // `view` can show, in file order, in the current projection.
    void drawLevelMesh(const Vector2& view) const;
    // The sky texture over the whole flat view, as every frame starts.
    static void drawSkyQuad(GLuint texture);
    std::size_t getLevelMeshListCount() const { return m_meshBatches.size(); }

  private:
    void makeChunks();
    template <class Visit> void forEachCollisionLine(const Box2& box, Visit&& visit);
    void buildLevel(const LevelData& level);
    void compileLevelMesh();
    void drawSky() const;
    void drawChunk(unsigned index);

    MapStateController* m_mapStateController;
    std::unique_ptr<EntityEnumeration> m_entityEnumeration;
    unsigned m_levelWidth;
    unsigned m_levelHeight;
    Vector2 m_viewPosition;
    Box2 m_viewPort;
    bool m_2Dmode;
    std::uint64_t m_gameTickCounter;
    std::uint64_t m_drawCounter;
    std::uint64_t m_solidRetreivalCounter;
    unsigned m_levelChunksNum;
    unsigned m_levelChunksPerRow;
    // The registries come before everything that holds handles into them,
    // so that those handles are released first; lines go before entities.
    std::unique_ptr<PointerManager<Entity>> m_entityManager;
    std::unique_ptr<PointerManager<CollisionLine>> m_collisionManager;
    std::vector<LevelChunk> m_levelChunks;
    // Deques never move their elements, so vertices and faces can point
    // into them while the level grows.
    std::deque<Face3> m_faces;
    // A display list of consecutive faces that share a texture, with the
    // box around them, so that batches outside the view are not sent. A lit
    // face has full colour alpha, so over an opaque texture (or none)
    // blending would give the face's own colour: such batches are drawn
    // without it, sparing the frame-buffer reads.
    struct MeshBatch {
        GLuint list;
        Vector3 low;
        Vector3 high;
        bool opaque;
    };
    std::vector<MeshBatch> m_meshBatches;
    // The frame number from which the mesh may be drawn again: it is drawn
    // once per frame, with the first visible chunk.
    std::uint64_t m_meshDrawCounter = 0;
    std::deque<Vertex3> m_verteces;
    std::deque<Vector3> m_vertexPositions;
    std::deque<Vector3> m_vertexNormals;
    std::deque<Vector3> m_vertexTexCoords;
    std::vector<std::unique_ptr<Texture>> m_faceTextures;
    std::list<Pointer<Entity>> m_activeEntities;
    std::list<Pointer<Entity>>::iterator m_gameTickActiveEntitiesIter;
    bool m_tickPositionMoved;
    Pointer<Entity> m_NONE;
    // Chunk lists reused by the lookups that run every tick, so moving and
    // colliding allocate nothing once they have grown.
    std::vector<unsigned> m_chunkScratch;
    std::vector<unsigned> m_movedChunkScratch;
};
