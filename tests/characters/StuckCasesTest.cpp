// Places in the real level where a body once came to a halt: the top corner
// of the high wall and the joints of the wall slid down. Each case is
// replayed tick by tick, the world ticked as the loop ticks it with keys fed
// through SDL's queue and the tick fraction fixed at 1. Other halts are
// pinned where a player meets them: the jump beside the first platform's
// corner by the play-through, the walk left over the joints of the start
// floor by the end-to-end run, exact landings by the joint walks.
#include <gtest/gtest.h>

#include "CragmoorWorld.h"

namespace {

using StuckCases = LevelPlay;

// A body whose only support is the convex top corner of the 280-high wall
// used to stay there: the corner's normal looks like a steep slope's.
TEST_F(StuckCases, BodyOnTheHighWallsTopCornerDoesNotHangThere) {
    E_Player& player = spawnPlayer(Vector2(5560, 510));
    world.ticks(40);
    world.press(SDLK_d);
    world.press(SDLK_w);
    world.ticks(30);
    world.release(SDLK_w);
    Vector2 previous = centreOf(player);
    int stillTicks = 0;
    for (int tick = 71; tick <= 250; ++tick) {
        world.tick();
        const Vector2 now = centreOf(player);
        stillTicks = now.m_x == previous.m_x && now.m_y == previous.m_y ? stillTicks + 1 : 0;
        ASSERT_LT(stillTicks, 10) << "hangs at " << now.m_x << ", " << now.m_y;
        previous = now;
        ASSERT_TRUE(clearOfSolid(player.getPosition())) << "tick " << tick;
    }
}

// Sliding down the high wall, the player touched it exactly and then clung to
// the joint of two of its segments.
TEST_F(StuckCases, SlidingDownTheHighWallDoesNotClingAtItsJoints) {
    E_Player& player = spawnPlayer(Vector2(5604, 510));
    world.ticks(40);
    world.press(SDLK_w);
    world.tick();
    world.release(SDLK_w);
    world.tick();
    world.press(SDLK_d);
    world.ticks(20);
    EXPECT_LT(centreOf(player).m_x, 5684) << "touches the wall with no gap";
    world.ticks(28);
    // Back on the floor at 760 in front of the wall.
    EXPECT_NEAR(centreOf(player).m_y, 760 - PLAYER_HALF_HEIGHT, 0.01);
    EXPECT_NEAR(centreOf(player).m_x, 5684, 0.01);
}

} // namespace
