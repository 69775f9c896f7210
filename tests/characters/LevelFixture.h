// The real level with the player in it, and the checks that a character
// stays out of the solid the level's lines enclose. Where the level has what
// (floor heights in world y): the start run at 400 from 96 to 1000, a
// 27-degree slope up to a plateau at 200 from 1400 to 1700, and a pit from
// 2500 with a 63-degree slope on its left and a floor at 600.
#pragma once

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "CragmoorWorld.h"

// The player's centre stands this far above a flat floor.
constexpr double PLAYER_HALF_HEIGHT = 32;
constexpr double START_FLOOR = 400;
constexpr double PIT_FLOOR = 600;

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
