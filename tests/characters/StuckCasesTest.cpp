// Places in the real level where walking or jumping once came to a halt:
// joints between collinear floor segments, exact landings, the corner of a
// platform over a jump, the top corner of the high wall and the joints of a
// wall slid down. Each case is replayed tick by tick, the world ticked as the
// loop ticks it with keys fed through SDL's queue and the tick fraction fixed
// at 1. How steep slopes are left is the reach cases' and the movement
// cases' concern; the landing at the start, the view and the cursor following
// are the play-through's and the end-to-end run's.
#include <cmath>
#include <gtest/gtest.h>

#include "CragmoorWorld.h"

namespace {

using StuckCases = LevelPlay;

// The start floor is cut into segments of about 24 units; walking left, the
// player stood still at the first joint past (310.1, 400).
TEST_F(StuckCases, WalkingLeftFromTheStartPassesEveryJointOfTheFloor) {
    world.ticks(60);
    world.press(SDLK_a);
    world.tick();
    for (int tick = 62; tick <= 140; ++tick) {
        const double before = centreOf(world.player()).m_x;
        world.tick();
        if (centreOf(world.player()).m_x > 120) {
            ASSERT_NEAR(before - centreOf(world.player()).m_x, 4, 1e-6)
                << "tick " << tick << " at " << before;
        }
    }
    // The brick end wall's face is at 96; the player is 16 wide each side.
    EXPECT_NEAR(centreOf(world.player()).m_x, 112, 0.01);
    EXPECT_NEAR(centreOf(world.player()).m_y, START_FLOOR - PLAYER_HALF_HEIGHT, 0.01);
}

// A fall of exactly 68 units onto the floor once ended on the line itself.
TEST_F(StuckCases, ExactLandingKeepsAGapAndWalksOn) {
    E_Player& player = spawnPlayer(Vector2(400, 300));
    world.ticks(60);
    const double gap = START_FLOOR - (centreOf(player).m_y + PLAYER_HALF_HEIGHT);
    EXPECT_GT(gap, 0);
    EXPECT_LT(gap, 0.01);
    world.press(SDLK_a);
    world.ticks(15);
    EXPECT_LT(centreOf(player).m_x, 400 - 4 * 13);
    expectClearOfSolid(player, 75);
}

// Under the lower corner of the first brick platform, at (5180, 714), a jump
// was cut to nothing by the corner point at the edge of the head.
TEST_F(StuckCases, JumpBesideThePlatformCornerRises) {
    E_Player& player = spawnPlayer(Vector2(5100, 700));
    world.ticks(60);
    world.press(SDLK_d);
    world.ticks(30);
    const Vector2 before = centreOf(player);
    world.press(SDLK_w);
    double highest = before.m_y;
    for (int tick = 91; tick <= 120; ++tick) {
        world.tick();
        highest = std::fmin(highest, centreOf(player).m_y);
        expectClearOfSolid(player, tick);
    }
    EXPECT_LT(highest, before.m_y - 40) << "the jump did not start";
}

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
        expectClearOfSolid(player, tick);
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
