// Building the level: the reader parses the OBJ and MTL files and cuts the
// faces; here the result becomes textures, display lists and collision
// lines owned by the map, followed by the placeholder entity, the light and
// the sky.
#include <GL/gl.h>
#include <algorithm>
#include <fstream>
#include <map>
#include <string>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "Entities/Characters/EntityHandle.h"
#include "Entities/Characters/PlayerPlacement.h"
#include "Entities/E_NONE.h"
#include "Logger.h"
#include "ObjLevelReader.h"
#include "Resources/Texture.h"

namespace {
// A directional light from the front, above and to the right.
const GLfloat LIGHT_DIRECTION[4] = {500, 1000, 1000, 0};
const char* const SKY_TEXTURE = "SKY1.tga";
// The most faces one display list of the level mesh holds.
constexpr std::size_t MESH_BATCH_FACES = 64;

void widen(Vector3& low, Vector3& high, const Vector3& p) {
    low = Vector3(std::min(low.m_x, p.m_x), std::min(low.m_y, p.m_y), std::min(low.m_z, p.m_z));
    high = Vector3(std::max(high.m_x, p.m_x), std::max(high.m_y, p.m_y), std::max(high.m_z, p.m_z));
}
} // namespace

void MapController::Vertex3::glCommands() const {
    glTexCoord3f(static_cast<float>(m_texCoord->m_x), static_cast<float>(m_texCoord->m_y),
                 static_cast<float>(m_texCoord->m_z));
    glNormal3f(static_cast<float>(m_normal->m_x), static_cast<float>(m_normal->m_y),
               static_cast<float>(m_normal->m_z));
    glVertex3f(static_cast<float>(m_position->m_x), static_cast<float>(m_position->m_y),
               static_cast<float>(m_position->m_z));
}

MapController::Face3::Face3(Vertex3* a, Vertex3* b, Vertex3* c, Texture* texture)
    : m_a(a), m_b(b), m_c(c), m_texture(texture) {}

void MapController::Face3::glCommands() const {
    glState();
    glBegin(GL_TRIANGLES);
    glVertices();
    glEnd();
}

void MapController::Face3::glState() const {
    glShadeModel(GL_SMOOTH);
    // A face without a material's image is drawn plain rather than with
    // whatever texture happened to be bound.
    if (m_texture != nullptr) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, m_texture->getTexture());
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    glColor4f(1, 1, 1, 1);
}

void MapController::Face3::glVertices() const {
    m_a->glCommands();
    m_b->glCommands();
    m_c->glCommands();
}

// Faces in a run that shares a texture would each set the same state, so a
// batch of them sets it once and draws their triangles together: the same
// picture for a fraction of the calls. Batches stay small enough that most
// of the level lies outside the view and is not sent at all.
void MapController::compileLevelMesh() {
    std::size_t first = 0;
    while (first < m_faces.size()) {
        std::size_t end = first + 1;
        while (end < m_faces.size() && end - first < MESH_BATCH_FACES &&
               m_faces[end].m_texture == m_faces[first].m_texture)
            ++end;
        const Texture* texture = m_faces[first].m_texture;
        MeshBatch batch{glGenLists(1), *m_faces[first].m_a->m_position,
                        *m_faces[first].m_a->m_position, texture == nullptr || texture->isOpaque()};
        glNewList(batch.list, GL_COMPILE);
        m_faces[first].glState();
        glBegin(GL_TRIANGLES);
        for (std::size_t face = first; face < end; ++face) {
            m_faces[face].glVertices();
            for (const Vertex3* corner : {m_faces[face].m_a, m_faces[face].m_b, m_faces[face].m_c})
                widen(batch.low, batch.high, *corner->m_position);
        }
        glEnd();
        glEndList();
        m_meshBatches.push_back(batch);
        first = end;
    }
}

namespace {
// A level that cannot be opened is an empty world by design (tests build
// their worlds in empty maps), but a player who gets only the sky is told
// why.
void reportEmptyLevel(const char* path, const LevelData& level, Logger& logger) {
    if (!std::ifstream(path).is_open())
        logger.logError("Level %s cannot be opened: the world is empty", path);
    else if (level.faces.empty())
        logger.logError("Level %s holds no face: the world is empty", path);
    else if (level.collisionLines.empty())
        logger.logError("Level %s yields no collision line: there is nothing to stand on", path);
}
} // namespace

void MapController::makeChunks() {
    m_levelWidth = m_levelHeight = LEVEL_SIZE;
    m_levelChunksPerRow = (LEVEL_SIZE + LEVEL_CHUNK_SIZE - 1) / LEVEL_CHUNK_SIZE;
    m_levelChunksNum = m_levelChunksPerRow * m_levelChunksPerRow;
    m_levelChunks.assign(m_levelChunksNum, LevelChunk());
}

void MapController::loadOutline(const std::vector<Line2>& lines) {
    makeChunks();
    for (const Line2& line : lines)
        new CollisionLine(this, line);
}

void MapController::loadMap(const char* path) {
    m_viewPosition = Vector2(320, 240);
    makeChunks();

    Logger& logger = *m_mapStateController->getApplicationStateController()
                          ->getApplicationController()
                          ->getLogger();
    const LevelData level = readObjLevel(path, logger);
    reportEmptyLevel(path, level, logger);
    buildLevel(level);

    m_NONE.nullify();
    (new E_NONE(this))->getPointer(&m_NONE);

    // The cursor exists before the player so that the player has its target
    // from its first tick; the view follows the player.
    const Pointer<E_CursorGame> cursor = handleOf<E_CursorGame>(*new E_CursorGame(this));
    m_mapStateController->setGameCursor(cursor);
    const Pointer<E_Player> player = handleOf<E_Player>(*new E_Player(this, PLAYER_START));
    m_mapStateController->setPlayer(player);
    m_mapStateController->setCameraTarget(handleOf<Entity>(*player));
    player->setTarget(handleOf<E_AITargetable>(*cursor));

    glLightfv(GL_LIGHT0, GL_POSITION, LIGHT_DIRECTION);
    glEnable(GL_LIGHT0);

    auto sky = std::make_unique<Texture>(
        m_mapStateController->getApplicationStateController()->getApplicationController());
    sky->load(SKY_TEXTURE, GL_REPEAT, GL_REPEAT);
    m_faceTextures.push_back(std::move(sky));
}

void MapController::buildLevel(const LevelData& level) {
    ApplicationController* controller =
        m_mapStateController->getApplicationStateController()->getApplicationController();
    Logger& logger = *controller->getLogger();
    std::vector<Texture*> materialTextures;
    for (const LevelMaterial& material : level.materials) {
        Texture* texture = nullptr;
        if (!material.texturePath.empty()) {
            auto loaded = std::make_unique<Texture>(controller);
            loaded->load(material.texturePath.c_str(), GL_REPEAT, GL_REPEAT);
            texture = loaded.get();
            m_faceTextures.push_back(std::move(loaded));
            logger.logDebug("Texture Loaded %s %p", material.texturePath.c_str(),
                            static_cast<void*>(texture));
        }
        materialTextures.push_back(texture);
    }
    for (const Vector3& position : level.positions)
        m_vertexPositions.push_back(position);
    for (const Vector3& normal : level.normals)
        m_vertexNormals.push_back(normal);
    for (const Vector3& texCoord : level.texCoords)
        m_vertexTexCoords.push_back(texCoord);

    // "usemtl" statements are reported where they stood among the faces.
    std::size_t nextUse = 0;
    const auto reportUsesUpTo = [&](std::size_t faceIndex) {
        for (; nextUse < level.materialUses.size() &&
               level.materialUses[nextUse].firstFace <= faceIndex;
             ++nextUse) {
            const LevelMaterialUse& use = level.materialUses[nextUse];
            logger.logDebug(
                "Current Texture set to: %s %p", use.name.c_str(),
                static_cast<void*>(use.material >= 0 ? materialTextures[use.material] : nullptr));
        }
    };
    for (std::size_t faceIndex = 0; faceIndex < level.faces.size(); ++faceIndex) {
        const LevelFace& face = level.faces[faceIndex];
        reportUsesUpTo(faceIndex);
        Texture* texture = face.material >= 0 ? materialTextures[face.material] : nullptr;
        Vertex3* corners[3];
        for (int corner = 0; corner < 3; ++corner) {
            m_verteces.emplace_back(&m_vertexPositions[face.position[corner]],
                                    &m_vertexNormals[face.normal[corner]],
                                    &m_vertexTexCoords[face.texCoord[corner]]);
            corners[corner] = &m_verteces.back();
        }
        logger.logDebug("Face Created texture: %p", static_cast<void*>(texture));
        m_faces.emplace_back(corners[0], corners[1], corners[2], texture);
    }
    reportUsesUpTo(level.faces.size());
    compileLevelMesh();
    for (const Line2& line : level.collisionLines)
        new CollisionLine(this, line);
}
