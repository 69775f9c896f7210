// The real game started for a bench: from the run directory (the level and
// the archive are read relative to it), through the start of the map, and
// on until the player has landed.
#pragma once

#include <cstdio>
#include <unistd.h>

#include "AppStuff/MapStateController.h"
#include "TestEngine.h"

inline bool enterRunDirectory() {
    if (chdir(RUN_DIR) == 0)
        return true;
    std::fprintf(stderr, "cannot enter %s\n", RUN_DIR);
    return false;
}

inline MapStateController& startGameAndLand(TestEngine& engine, int landingTicks) {
    engine.controller->setTickFraction(1.0);
    engine.state->init();
    engine.state->startGame();
    MapStateController& map = *engine.state->getMapStateController();
    for (int tick = 0; tick < landingTicks; ++tick) {
        engine.events->pollEvents();
        map.gameTick();
    }
    return map;
}
