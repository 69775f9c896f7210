// The player in the real level, the world ticked as the loop ticks it with
// keys fed through SDL's queue and the tick fraction fixed at 1.
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "LevelFixture.h"

namespace {

TEST_F(LevelPlay, LandedPlayerStaysAndTheViewAndCursorFollow) {
    world.ticks(60);
    const Vector2 landed = centreOf(world.player());
    ASSERT_NEAR(landed.m_y, START_FLOOR - PLAYER_HALF_HEIGHT, 0.05);
    EXPECT_EQ(landed.m_x, 400);
    world.ticks(100);
    EXPECT_EQ(centreOf(world.player()).m_x, landed.m_x);
    EXPECT_NEAR(centreOf(world.player()).m_y, landed.m_y, 1e-9);
    EXPECT_EQ(world.player().getVelocity().m_y, 0);

    world.engine.pushMotion(600, 150);
    world.tick();
    const Vector2 view = world.map().viewGetPosition();
    EXPECT_EQ(view.m_x, centreOf(world.player()).m_x);
    EXPECT_EQ(view.m_y, centreOf(world.player()).m_y);
    const Vector2 cursor = world.state->getGameCursor()->getPosition().m_center;
    EXPECT_EQ(cursor.m_x, view.m_x - 320 + 480);
    EXPECT_EQ(cursor.m_y, view.m_y - 240 + 120);
}

TEST_F(LevelPlay, CannotWalkUpTheSteepSlopeOutOfThePit) {
    E_Player& inPit = spawnPlayer(Vector2(2780, 500));
    world.ticks(30);
    ASSERT_NEAR(centreOf(inPit).m_y, PIT_FLOOR - PLAYER_HALF_HEIGHT, 0.05);
    world.press(SDLK_a);
    world.ticks(100);
    const Vector2 stopped = centreOf(inPit);
    world.ticks(50);
    EXPECT_EQ(centreOf(inPit).m_x, stopped.m_x) << "kept climbing";
    EXPECT_GT(centreOf(inPit).m_y, PIT_FLOOR - PLAYER_HALF_HEIGHT - 30);
    EXPECT_GT(stopped.m_x, 2560);
    expectClearOfSolid(inPit, 150);
}

TEST_F(LevelPlay, JumpingFromTheSteepSlopeThrowsTheCharacterOffSideways) {
    E_Player& onSlope = spawnPlayer(Vector2(2550, 300));
    world.ticks(40);
    ASSERT_EQ(onSlope.getVelocity().m_y, 0) << "did not come to rest on the slope";
    const Vector2 rest = centreOf(onSlope);
    ASSERT_LT(rest.m_y, PIT_FLOOR - PLAYER_HALF_HEIGHT - 20) << "should rest on the slope";

    // Walking left, back up the slope, is ignored while the push lasts.
    world.press(SDLK_w);
    world.press(SDLK_a);
    world.tick();
    EXPECT_EQ(onSlope.getControlState(), E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);
    EXPECT_GT(onSlope.getVelocity().m_x, 0);
    EXPECT_LT(onSlope.getVelocity().m_y, 0);
    double furthest = rest.m_x;
    for (int tick = 1; tick < 60; ++tick) {
        world.tick();
        expectClearOfSolid(onSlope, tick);
        if (onSlope.getControlState() == E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT)
            furthest = std::fmax(furthest, centreOf(onSlope).m_x);
    }
    EXPECT_GT(furthest, rest.m_x + 20) << "not thrown off sideways";
}

// The player's state after each tick of a scripted run: everything later
// ticks depend on.
std::vector<double> scriptedRun() {
    CragmoorWorld world(REAL_LEVEL);
    // The real pointer of the display is no input of the script: where it
    // happens to stand when the window opens must not steer the aim.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    std::vector<double> trace;
    for (int tick = 0; tick < 400; ++tick) {
        if (tick == 60)
            world.press(SDLK_d);
        if (tick % 45 == 10)
            world.press(SDLK_w);
        if (tick % 45 == 25)
            world.release(SDLK_w);
        if (tick == 300)
            world.press(SDLK_s);
        world.tick();
        const E_Player& p = world.player();
        trace.insert(trace.end(),
                     {p.getPosition().m_center.m_x, p.getPosition().m_center.m_y,
                      p.getVelocity().m_x, p.getVelocity().m_y, p.getBodyRotation().m_degrees,
                      p.getBodyRotationOffset().m_degrees, p.getArmRotation().m_degrees,
                      p.getHeadRotation().m_degrees, double(p.getControlState()),
                      double(p.getLegFrameType())});
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
    return trace;
}

TEST(LevelDeterminism, SameScriptGivesTheSameWorld) {
    const std::vector<double> first = scriptedRun();
    EXPECT_TRUE(scriptedRun() == first);
}

} // namespace
