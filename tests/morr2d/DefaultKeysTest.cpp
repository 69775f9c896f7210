// What the default movement keys do to morr2d's player standing on a floor,
// keys pushed through SDL's queue: A walks left, D right, W jumps, S
// crouches, and the arrow keys, bound to nothing, do nothing.
#include <gtest/gtest.h>
#include <utility>

#include "BoxWorld.h"

namespace {

// The player's box reaches 31.9 below its reference point.
constexpr double STANDING_Y = 200 - 31.9;

class DefaultKeysOnATileFloor : public testing::Test {
  protected:
    // A floor of tiles at y 200 from x 0 to 640, and the player landed on
    // it in the middle.
    DefaultKeysOnATileFloor() {
        for (double x = 0; x < 640; x += 16)
            world.wall(x, 200);
        player = world.player(312, 160);
        world.ticks(30);
    }

    // The player's position after holding `key` for `count` ticks.
    std::pair<double, double> afterHolding(SDLKey key, int count) {
        world.press(key);
        world.ticks(count);
        const std::pair<double, double> reached(player->getX(), player->getY());
        world.release(key);
        return reached;
    }

    BoxWorld world;
    E_Player* player = nullptr;
};

TEST_F(DefaultKeysOnATileFloor, PlayerStartsStandingOnTheFloor) {
    EXPECT_TRUE(player->getOnGround());
    EXPECT_NEAR(player->getY(), STANDING_Y, 1e-9);
}

TEST_F(DefaultKeysOnATileFloor, AWalksLeftAndDWalksRight) {
    const double startX = player->getX();
    const auto left = afterHolding(SDLK_a, 10);
    EXPECT_LT(left.first, startX - 20);
    EXPECT_NEAR(left.second, STANDING_Y, 1e-9);
    world.ticks(5);
    const double backX = player->getX();
    const auto right = afterHolding(SDLK_d, 10);
    EXPECT_GT(right.first, backX + 20);
    EXPECT_NEAR(right.second, STANDING_Y, 1e-9);
}

TEST_F(DefaultKeysOnATileFloor, WJumpsOffTheFloor) {
    const auto rising = afterHolding(SDLK_w, 5);
    EXPECT_LT(rising.second, STANDING_Y - 10);
    EXPECT_FALSE(player->getOnGround());
}

TEST_F(DefaultKeysOnATileFloor, SCrouchesWhileHeld) {
    world.press(SDLK_s);
    world.tick();
    EXPECT_TRUE(player->getCrouching());
    world.release(SDLK_s);
    world.ticks(3);
    EXPECT_FALSE(player->getCrouching());
}

TEST_F(DefaultKeysOnATileFloor, ArrowKeysAreBoundToNothing) {
    const double startX = player->getX();
    for (SDLKey key : {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN}) {
        const auto after = afterHolding(key, 10);
        EXPECT_EQ(after.first, startX) << "key " << key;
        EXPECT_NEAR(after.second, STANDING_Y, 1e-9) << "key " << key;
        EXPECT_FALSE(player->getCrouching()) << "key " << key;
    }
}

} // namespace
