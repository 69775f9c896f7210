// A map controller on a real engine and window, loaded from an OBJ path
// (a missing one gives an empty level), with entities that count their
// ticks and draws.
#pragma once

#include <functional>
#include <physfs.h>
#include <string>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "TestEngine.h"

class CountingEntity : public Entity {
  public:
    CountingEntity(MapController* map, const Vector2& centre, const Vector2& radius)
        : Entity(map, Ellipsoid2(centre, radius), EN_CHARACTER) {}
    void gameTick() override {
        ++ticks;
        if (onTick)
            onTick(*this);
    }
    void draw() override { ++draws; }

    int ticks = 0;
    int draws = 0;
    std::function<void(CountingEntity&)> onTick;
};

struct WorldFixture {
    explicit WorldFixture(const char* levelPath = "no-such-level.obj") {
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
        state = std::make_unique<MapStateController>(engine.state);
        state->initialize(levelPath);
    }
    ~WorldFixture() {
        state.reset();
        PHYSFS_unmount(ARCHIVE_PATH);
    }
    MapController& map() { return *state->getMapController(); }

    // Entities are owned by the map's registry: tests keep raw pointers.
    CountingEntity* addEntity(const Vector2& centre, const Vector2& radius = Vector2(10, 10)) {
        return new CountingEntity(&map(), centre, radius);
    }
    int timesListed(unsigned chunk, const Entity& entity) {
        Pointer<Entity> handle;
        entity.getPointer(&handle);
        int count = 0;
        for (const Pointer<Entity>& listed : map().getChunk(chunk).m_entities)
            count += listed == handle ? 1 : 0;
        return count;
    }
    bool chunkLists(unsigned chunk, const Entity& entity) { return timesListed(chunk, entity) > 0; }

    TestEngine engine;
    std::unique_ptr<MapStateController> state;
};
