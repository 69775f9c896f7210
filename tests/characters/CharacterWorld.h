// A world on the real engine for character tests: the map state with either
// the real level or an empty one (collision lines added by the test), the
// tick fraction fixed, and scripted keys fed through the real SDL queue.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <physfs.h>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "Entities/Characters/EntityHandle.h"
#include "EventSystem.h"
#include "TestEngine.h"

// The level file the game loads, read from the run directory.
inline const char* const REAL_LEVEL = "legitLevel.obj";
// A level file that does not exist gives a world without lines.
inline const char* const EMPTY_LEVEL = "no-such-level.obj";

struct CharacterWorld {
    explicit CharacterWorld(const char* levelPath = EMPTY_LEVEL) {
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
        engine.controller->setTickFraction(1.0);
        state = std::make_unique<MapStateController>(engine.state);
        state->initialize(levelPath);
    }
    ~CharacterWorld() {
        state.reset();
        PHYSFS_unmount(ARCHIVE_PATH);
    }
    CharacterWorld(const CharacterWorld&) = delete;
    CharacterWorld& operator=(const CharacterWorld&) = delete;

    MapController& map() { return *state->getMapController(); }
    E_Player& player() { return *state->getPlayer(); }

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

    TestEngine engine;
    std::unique_ptr<MapStateController> state;
};
