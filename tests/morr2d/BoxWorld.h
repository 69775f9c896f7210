// morr2d's world on the real engine and window for tests: either the fixed
// level through the map state, or an empty 1000 x 1000 level that the test
// fills with its own tiles. The tick fraction is fixed at 1.0 and keys go
// through the real SDL queue.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <physfs.h>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "Entities/Level/E_Wall.h"
#include "Entities/WorldAccess.h"
#include "EventSystem.h"
#include "TestEngine.h"

// A plain box that counts its ticks and draws.
class CountingBox : public Entity {
  public:
    CountingBox(MapController* map, double x, double y, double left, double up, double right,
                double down, int depth = 0)
        : Entity(map, x, y, left, up, right, down, EN_CHARACTER, depth) {}
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

struct BoxWorld {
    enum Level { FIXED, EMPTY };

    explicit BoxWorld(Level level = EMPTY) {
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
    ~BoxWorld() {
        ownMap.reset();
        state.reset();
        PHYSFS_unmount(ARCHIVE_PATH);
    }
    BoxWorld(const BoxWorld&) = delete;
    BoxWorld& operator=(const BoxWorld&) = delete;

    MapController& map() { return ownMap ? *ownMap : *state->getMapController(); }

    // Entities are owned by the map's registry: tests keep raw pointers.
    E_Wall* wall(double x, double y, WallType type = WT_WALL) {
        return new E_Wall(&map(), x, y, type);
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

    int timesListed(unsigned chunk, const Entity& entity) {
        Pointer<Entity> handle;
        entity.getPointer(&handle);
        int count = 0;
        for (const Pointer<Entity>& listed : map().getChunk(chunk).m_entities)
            count += listed == handle ? 1 : 0;
        return count;
    }

    TestEngine engine;
    std::unique_ptr<MapStateController> state;
    std::unique_ptr<MapController> ownMap;
};
