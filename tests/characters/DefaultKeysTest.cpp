// What the default movement keys do to cragmoor's player in the real level,
// keys pushed through SDL's queue: A walks left, D right, W jumps, S
// crouches, and the arrow keys, bound to nothing, do nothing.
#include <cmath>
#include <gtest/gtest.h>

#include "LevelFixture.h"

namespace {

class DefaultKeys : public LevelPlay {
  protected:
    // The player's centre after holding `key` for `count` ticks.
    Vector2 afterHolding(SDLKey key, int count) {
        world.press(key);
        world.ticks(count);
        const Vector2 reached = centreOf(world.player());
        world.release(key);
        return reached;
    }
};

TEST_F(DefaultKeys, AWalksLeftAndDWalksRight) {
    land();
    const Vector2 start = centreOf(world.player());
    const Vector2 left = afterHolding(SDLK_a, 10);
    EXPECT_LT(left.m_x, start.m_x - 30);
    EXPECT_NEAR(left.m_y, start.m_y, 0.05);
    world.ticks(5);
    const Vector2 back = centreOf(world.player());
    const Vector2 right = afterHolding(SDLK_d, 10);
    EXPECT_GT(right.m_x, back.m_x + 30);
    EXPECT_NEAR(right.m_y, start.m_y, 0.05);
}

TEST_F(DefaultKeys, WJumpsOffTheFloor) {
    land();
    const Vector2 start = centreOf(world.player());
    const Vector2 rising = afterHolding(SDLK_w, 10);
    EXPECT_LT(rising.m_y, start.m_y - 30);
}

TEST_F(DefaultKeys, SCrouchesWhileHeld) {
    land();
    world.press(SDLK_s);
    world.tick();
    EXPECT_TRUE(world.player().getCrouching());
    world.release(SDLK_s);
    world.ticks(3);
    EXPECT_FALSE(world.player().getCrouching());
}

TEST_F(DefaultKeys, ArrowKeysAreBoundToNothing) {
    land();
    const Vector2 start = centreOf(world.player());
    for (SDLKey key : {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN}) {
        const Vector2 after = afterHolding(key, 10);
        EXPECT_EQ(after.m_x, start.m_x) << "key " << key;
        EXPECT_NEAR(after.m_y, start.m_y, 0.05) << "key " << key;
        EXPECT_FALSE(world.player().getCrouching()) << "key " << key;
    }
}

} // namespace
