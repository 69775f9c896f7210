// The player in the real level, the world ticked as the loop ticks it with
// keys fed through SDL's queue and the tick fraction fixed at 1.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

#include "LevelFixture.h"

namespace {

TEST_F(LevelPlay, FallsFromTheStartOntoTheFloorAndStays) {
    land();
    const Vector2 landed = centreOf(world.player());
    EXPECT_EQ(landed.m_x, 400);
    world.ticks(100);
    EXPECT_EQ(centreOf(world.player()).m_x, landed.m_x);
    EXPECT_NEAR(centreOf(world.player()).m_y, landed.m_y, 1e-9);
    EXPECT_EQ(world.player().getVelocity().m_y, 0);
}

TEST_F(LevelPlay, ViewFollowsThePlayerAndTheCursorFollowsTheMouse) {
    land();
    world.engine.pushMotion(600, 150);
    world.tick();
    const Vector2 view = world.map().viewGetPosition();
    EXPECT_EQ(view.m_x, centreOf(world.player()).m_x);
    EXPECT_EQ(view.m_y, centreOf(world.player()).m_y);
    const Vector2 cursor = world.state->getGameCursor()->getPosition().m_center;
    EXPECT_EQ(cursor.m_x, view.m_x - 320 + 480);
    EXPECT_EQ(cursor.m_y, view.m_y - 240 + 120);
}

TEST_F(LevelPlay, WalkingRightForThirtyTicksCoversOneHundredAndTwenty) {
    land();
    const Vector2 start = centreOf(world.player());
    world.press(SDLK_d);
    world.ticks(30);
    world.release(SDLK_d);
    world.ticks(5);
    EXPECT_NEAR(centreOf(world.player()).m_x - start.m_x, 120, 0.5);
    EXPECT_NEAR(centreOf(world.player()).m_y, start.m_y, 0.05);
}

TEST_F(LevelPlay, JumpRisesNinetyFiveAndLandsWhereItStarted) {
    land();
    const Vector2 start = centreOf(world.player());
    world.press(SDLK_w);
    double highest = start.m_y;
    for (int tick = 0; tick < 60; ++tick) {
        world.tick();
        highest = std::fmin(highest, centreOf(world.player()).m_y);
    }
    world.release(SDLK_w);
    world.tick();
    EXPECT_NEAR(start.m_y - highest, 95, 1);
    EXPECT_EQ(centreOf(world.player()).m_x, start.m_x);
    EXPECT_NEAR(centreOf(world.player()).m_y, start.m_y, 0.05);
}

TEST_F(LevelPlay, LettingGoOfJumpEarlyJumpsLower) {
    land();
    const double start = centreOf(world.player()).m_y;
    world.press(SDLK_w);
    world.tick();
    world.release(SDLK_w);
    double highest = start;
    for (int tick = 0; tick < 60; ++tick) {
        world.tick();
        highest = std::fmin(highest, centreOf(world.player()).m_y);
    }
    EXPECT_LT(start - highest, 40);
    EXPECT_GT(start - highest, 5);
}

TEST_F(LevelPlay, WalksUpTheWalkableSlopeOntoThePlateau) {
    land();
    world.press(SDLK_d);
    int tick = 0;
    while (centreOf(world.player()).m_x < 1500 && tick < 600) {
        world.tick();
        expectClearOfSolid(world.player(), ++tick);
    }
    ASSERT_GE(centreOf(world.player()).m_x, 1500) << "stuck at " << centreOf(world.player()).m_x;
    EXPECT_NEAR(centreOf(world.player()).m_y, PLATEAU - PLAYER_HALF_HEIGHT, 0.05);
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

TEST_F(LevelPlay, RunningAndJumpingAcrossTheLevelNeverEntersTheSolid) {
    world.press(SDLK_d);
    for (int tick = 0; tick < 1500; ++tick) {
        if (tick % 30 == 0)
            world.press(SDLK_w);
        if (tick % 30 == 20)
            world.release(SDLK_w);
        world.tick();
        expectClearOfSolid(world.player(), tick);
        if (HasFailure())
            break;
    }
    EXPECT_GT(centreOf(world.player()).m_x, 2000) << "got stuck early";
}

// Everything the scripted run leaves behind that later ticks depend on.
std::uint64_t worldHash(const E_Player& player) {
    std::uint64_t hash = 1469598103934665603ull;
    const auto mix = [&hash](double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        hash = (hash ^ bits) * 1099511628211ull;
    };
    mix(player.getPosition().m_center.m_x);
    mix(player.getPosition().m_center.m_y);
    mix(player.getVelocity().m_x);
    mix(player.getVelocity().m_y);
    mix(player.getBodyRotation().m_degrees);
    mix(player.getBodyRotationOffset().m_degrees);
    mix(player.getArmRotation().m_degrees);
    mix(player.getHeadRotation().m_degrees);
    mix(static_cast<double>(player.getControlState()));
    mix(static_cast<double>(player.getLegFrameType()));
    return hash;
}

std::uint64_t scriptedRun() {
    CharacterWorld world(REAL_LEVEL);
    // The real pointer of the display is no input of the script: where it
    // happens to stand when the window opens must not steer the aim.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    std::uint64_t hash = 0;
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
        hash ^= worldHash(world.player()) + tick;
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
    return hash;
}

TEST(LevelDeterminism, SameScriptGivesTheSameWorld) {
    const std::uint64_t first = scriptedRun();
    EXPECT_EQ(scriptedRun(), first);
}

} // namespace
