// The real level with the player in it, and the checks that a character
// stays out of the solid the level's lines enclose. The start run is a floor
// at world y 400 from 96 to 1000.
#pragma once

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "CragmoorWorld.h"

// The player's centre stands this far above a flat floor.
constexpr double PLAYER_HALF_HEIGHT = 32;
constexpr double START_FLOOR = 400;

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

    void expectClearOfSolid(const E_Player& player, int tick) {
        EXPECT_FALSE(insideSolid(outline, centreOf(player))) << "tick " << tick;
        EXPECT_LT(deepestOverlap(outline, player.getPosition()), 0.01) << "tick " << tick;
    }

    CragmoorWorld world;
    std::vector<Line2> outline;
};
