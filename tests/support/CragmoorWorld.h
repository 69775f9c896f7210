// cragmoor's world on the real engine, for the tests of the map, the
// characters and the level: the map state with the real level or an empty one
// (collision lines added by the test), the tick fraction fixed at 1, keys fed
// through the real SDL queue; a ground character the test steers directly; and
// checks that a body stays out of the solid the level's lines enclose, with a
// fixture of the real level for them.
#pragma once

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <physfs.h>
#include <vector>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "Entities/Characters/E_CharacterGround.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "Entities/Characters/EntityHandle.h"
#include "Entities/CollisionLine.h"
#include "EventSystem.h"
#include "TestEngine.h"

// The level file the game loads, read from the run directory.
inline const char* const REAL_LEVEL = "legitLevel.obj";

struct CragmoorWorld {
    // A level file that does not exist gives a world without lines.
    explicit CragmoorWorld(const char* levelPath = "no-such-level.obj") {
        PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
        engine.controller->setTickFraction(1.0);
        state = std::make_unique<MapStateController>(engine.state);
        state->initialize(levelPath);
    }
    ~CragmoorWorld() {
        state.reset();
        PHYSFS_unmount(ARCHIVE_PATH);
    }
    CragmoorWorld(const CragmoorWorld&) = delete;
    CragmoorWorld& operator=(const CragmoorWorld&) = delete;

    MapController& map() { return *state->getMapController(); }
    E_Player& player() { return *state->getPlayer(); }
    void setTickFraction(double fraction) { engine.controller->setTickFraction(fraction); }
    // Lines collide on the side their right-hand normal points to: a floor
    // runs from right to left.
    void addLine(const Vector2& a, const Vector2& b) { new CollisionLine(&map(), Line2(a, b)); }

    // Key changes go through SDL's queue and reach the game at the next poll.
    void press(SDLKey key) { engine.pushKey(key, true); }
    void release(SDLKey key) { engine.pushKey(key, false); }

    // One tick of the world the way the loop runs it: poll, then the map
    // state (entities, view, cursor).
    void tick() {
        engine.events->pollEvents();
        state->gameTick();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            tick();
    }

    // The whole window as RGBA rows, bottom row first.
    std::vector<unsigned char> readFrame() {
        const int width = engine.settings->getVIDEO_screenWidth();
        const int height = engine.settings->getVIDEO_screenHeight();
        std::vector<unsigned char> pixels(std::size_t(width) * height * 4);
        glFinish();
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    TestEngine engine;
    std::unique_ptr<MapStateController> state;
};

// A ground character steered by a test instead of by keys, by default of the
// player's radii.
class Walker : public E_CharacterGround {
  public:
    Walker(MapController* map, const Vector2& centre, const Vector2& radius = Vector2(16, 32))
        : E_CharacterGround(map, Ellipsoid2(centre, radius), EN_CHARACTER_GROUND, 100,
                            SURFACE_BLOOD, 0) {
        m_walkSpeed = 4.0;
    }
    void draw() override {}

    void steer(bool left, bool right, bool jump = false, bool jumpRelease = false) {
        m_ctrlLeft = left;
        m_ctrlRight = right;
        m_ctrlJump = jump;
        m_ctrlJumpRelease = jumpRelease;
    }
    void setVelocity(const Vector2& velocity) { m_velocity = velocity; }
    void setControlState(ControlState state) { m_controlState = state; }

    // A floor contact as the contact search would record it, with the
    // outward normal of the given direction.
    void plantFloorContact(double direction) {
        CollisionPoint point;
        const Degrees angle(direction);
        point.m_normal = Vector2(angle, 1.0);
        point.m_normalDirection = angle;
        point.m_position = m_position.m_center + point.m_normal * m_position.m_radius;
        m_collisionPoints.push_back(point);
        m_collisionPointCache.cache(&m_collisionPoints.back(), m_position.m_center);
    }
    const Vector2& centre() const { return m_position.m_center; }
};

// Whether p lies within the solid the closed outline `lines` encloses: an
// upward ray from p crosses them an odd number of times.
inline bool insideSolid(const std::vector<Line2>& lines, const Vector2& p) {
    int crossings = 0;
    for (const Line2& line : lines) {
        const Vector2 &a = line.m_a, &b = line.m_b;
        if (a.m_x == b.m_x || (p.m_x < a.m_x) == (p.m_x < b.m_x))
            continue;
        const double yAtP = a.m_y + (b.m_y - a.m_y) * (p.m_x - a.m_x) / (b.m_x - a.m_x);
        crossings += yAtP < p.m_y ? 1 : 0;
    }
    return crossings % 2 == 1;
}

// How far the deepest line reaches into the ellipse, as a share of its size
// (0 touching, 1 through the centre; negative when clear).
inline double deepestOverlap(const std::vector<Line2>& lines, const Ellipsoid2& ellipse) {
    double deepest = -1e9;
    const Vector2 centre = ellipse.m_center / ellipse.m_radius;
    for (const Line2& line : lines) {
        const Vector2 a = line.m_a / ellipse.m_radius, b = line.m_b / ellipse.m_radius;
        const Vector2 along = b - a;
        double share = (centre - a).dotProduct(along) / along.dotProduct(along);
        share = std::fmax(0.0, std::fmin(1.0, share));
        deepest = std::fmax(deepest, 1.0 - (a + along * share - centre).length());
    }
    return deepest;
}

// The real level with the player in it and its outline, for the checks that
// a character stays out of the solid. The start run is a floor at world y 400
// from 96 to 1000, where the player's centre stands 32 above it.
constexpr double PLAYER_HALF_HEIGHT = 32;

class LevelPlay : public testing::Test {
  protected:
    LevelPlay() : world(REAL_LEVEL) {
        world.map().getCollisionLines(&outline, Box2(Vector2(0, 0), Vector2(8999, 8999)));
    }

    const Vector2& centreOf(const E_Player& player) const { return player.getPosition().m_center; }
    E_Player& spawnPlayer(const Vector2& at) {
        E_Player* player = new E_Player(&world.map(), at);
        player->setTarget(handleOf<E_AITargetable>(*world.state->getGameCursor()));
        return *player;
    }

    bool clearOfSolid(const Ellipsoid2& body) const {
        return !insideSolid(outline, body.m_center) && deepestOverlap(outline, body) < 0.01;
    }

    CragmoorWorld world;
    std::vector<Line2> outline;
};
