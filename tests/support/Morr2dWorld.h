// morr2d's world on the real engine and window for tests: either the fixed
// level through the map state, or an empty 1000 x 1000 level that the test
// fills with its own tiles. The tick fraction is fixed at 1.0 and keys go
// through the real SDL queue.
#pragma once

#include <SDL/SDL.h>
#include <gtest/gtest.h>
#include <memory>
#include <physfs.h>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "Entities/Items/E_Shotgun.h"
#include "Entities/Level/E_Wall.h"
#include "Entities/WorldAccess.h"
#include "EventSystem.h"
#include "TestEngine.h"

// A plain box that counts its ticks and draws.
class CountingBox : public Entity {
  public:
    CountingBox(MapController* map, double x, double y, double left, double up, double right,
                double down)
        : Entity(map, x, y, left, up, right, down, EN_CHARACTER, 0) {}
    void gameTick() override {
        ++ticks;
        if (deactivateInTick)
            setActive(false);
    }
    void draw() override { ++draws; }

    int ticks = 0;
    int draws = 0;
    bool deactivateInTick = false;
};

struct Morr2dWorld {
    enum Level { FIXED, EMPTY };

    explicit Morr2dWorld(Level level = EMPTY) {
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
        engine.controller->setTickFraction(1.0);
        state = std::make_unique<MapStateController>(engine.state);
        if (level == FIXED) {
            state->initialize("morr2dTestLevel");
        } else {
            ownMap = std::make_unique<MapController>(state.get());
            ownMap->loadEmptyMap();
        }
    }
    ~Morr2dWorld() {
        ownMap.reset();
        state.reset();
        PHYSFS_unmount(ARCHIVE_PATH);
    }

    MapController& map() { return ownMap ? *ownMap : *state->getMapController(); }

    // Entities are owned by the map's registry: tests keep raw pointers.
    E_Wall* wall(double x, double y, WallType type = WT_WALL) {
        return new E_Wall(&map(), x, y, type);
    }
    void floor(double fromX, double toX, double y) {
        for (double x = fromX; x < toX; x += E_Wall::SIZE)
            wall(x, y);
    }
    E_Shotgun* shotgun(double x, double y, bool isStatic = false) {
        return new E_Shotgun(&map(), x, y, isStatic);
    }
    // A player aiming at a cursor that stays where the test puts it.
    E_Player* player(double x, double y, double cursorX = 900, double cursorY = 100) {
        auto* cursor = new E_CursorGame(&map());
        cursor->setXY(cursorX, cursorY);
        auto* made = new E_Player(&map(), x, y);
        made->setTarget(handleOf<E_AITargetable>(*cursor));
        return made;
    }

    void press(SDLKey key) { engine.pushKey(key, true); }
    void release(SDLKey key) { engine.pushKey(key, false); }

    // One tick the way the loop runs it: poll, then the world (through the
    // map state for the fixed level, which also moves view and cursor).
    void tick() {
        engine.events->pollEvents();
        if (ownMap)
            ownMap->gameTick();
        else
            state->gameTick();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            tick();
    }

    // The chunks that list the entity, as often as they list it.
    std::vector<unsigned> chunksListing(const Entity& entity) {
        std::vector<unsigned> chunks;
        for (unsigned chunk = 0; chunk < map().getLevelChunksNum(); ++chunk)
            for (const Pointer<Entity>& listed : map().getChunk(chunk).m_entities)
                if (&*listed == &entity)
                    chunks.push_back(chunk);
        return chunks;
    }

    TestEngine engine;
    std::unique_ptr<MapStateController> state;
    std::unique_ptr<MapController> ownMap;
};

// A test on an empty level.
class Morr2dEmpty : public testing::Test {
  protected:
    Morr2dWorld world;
};

// A test on the fixed level, built as the game builds it.
class Morr2dFixed : public testing::Test {
  protected:
    E_Player& player() { return *world.state->getPlayer(); }
    Morr2dWorld world{Morr2dWorld::FIXED};
};
