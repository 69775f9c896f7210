// morr2d's player: its box and aim point, its song and its damage; what the
// default movement keys do to it on a floor (keys pushed through SDL's
// queue); staying crouched under a low tile; facing and aiming at the
// cursor.
#include <algorithm>
#include <cmath>

#include "Morr2dWorld.h"

namespace {

using Player = Morr2dEmpty;

TEST_F(Player, StartsItsSongOnceAndDiesOfWholeNumberDamage) {
    E_Player* player = world.player(100, 100);
    const std::vector<std::string> debug = world.engine.logger->textsOf("debug");
    EXPECT_EQ(
        std::count_if(debug.begin(), debug.end(),
                      [](const std::string& line) { return line.rfind("SoundChan ", 0) == 0; }),
        1)
        << "the song starts once";

    player->takeDamage(30, false);
    player->takeDamage(-10, false);
    EXPECT_EQ(player->getHealth(), 80);
    const std::size_t active = world.map().getActiveEntities().size();
    player->takeDamage(100, true);
    EXPECT_EQ(world.map().getActiveEntities().size(), active - 1) << "destroyed";
}

struct KeyCase {
    const char* name;
    SDLKey key;
    double minMove, maxMove; // sideways, after ten ticks held
    bool rises, crouches;
    SDLKey alsoHeld = SDLK_UNKNOWN;
};

// The arrow keys are bound to nothing.
const KeyCase KEYS[] = {
    {"A walks left", SDLK_a, -1e9, -20, false, false},
    {"D walks right", SDLK_d, 20, 1e9, false, false},
    {"A and D together walk left", SDLK_d, -1e9, -20, false, false, SDLK_a},
    {"W jumps", SDLK_w, 0, 0, true, false},
    {"S crouches", SDLK_s, 0, 0, false, true},
    {"left arrow", SDLK_LEFT, 0, 0, false, false},
    {"right arrow", SDLK_RIGHT, 0, 0, false, false},
    {"up arrow", SDLK_UP, 0, 0, false, false},
    {"down arrow", SDLK_DOWN, 0, 0, false, false},
};

TEST_F(Player, DefaultMovementKeysOnATileFloor) {
    world.floor(0, 640, 200);
    E_Player* player = world.player(312, 160);
    const double standing = 200 - 31.9;
    for (const KeyCase& row : KEYS) {
        SCOPED_TRACE(row.name);
        player->setXY(312, standing);
        world.ticks(30);
        ASSERT_TRUE(player->getOnGround());
        ASSERT_FALSE(player->getCrouching());
        ASSERT_NEAR(player->getY(), standing, 1e-9);
        world.press(row.key);
        world.press(row.alsoHeld);
        world.ticks(10);
        const double moved = player->getX() - 312;
        EXPECT_GE(moved, row.minMove);
        EXPECT_LE(moved, row.maxMove);
        const double rise = standing - player->getY();
        EXPECT_TRUE(row.rises ? rise > 10 : std::abs(rise) < 1e-9) << "rose " << rise;
        EXPECT_EQ(player->getCrouching(), row.crouches);
        world.release(row.key);
        world.release(row.alsoHeld);
    }
}

TEST_F(Player, StaysCrouchedUnderALowTileUntilItWalksOut) {
    world.floor(0, 400, 200);
    // Its bottom 24 units above the floor: room for a crouching player only.
    world.wall(150, 160);
    E_Player* player = world.player(120, 168.1);
    world.press(SDLK_s);
    world.tick();
    ASSERT_TRUE(player->getCrouching());
    EXPECT_EQ(player->getBboxU(), 8);
    EXPECT_EQ(player->getWalkSpeed(), 1.0);
    EXPECT_EQ(player->getAimPositionY(), 20);
    world.press(SDLK_d);
    world.ticks(40);
    ASSERT_GT(player->getX(), 140);
    ASSERT_LT(player->getX(), 160);
    world.release(SDLK_d);
    world.release(SDLK_s);
    world.ticks(3);
    EXPECT_TRUE(player->getCrouching()) << "no room to stand";
    world.press(SDLK_d);
    for (int tick = 0; tick < 40 && player->getCrouching(); ++tick)
        world.tick();
    EXPECT_FALSE(player->getCrouching());
    EXPECT_GE(player->getX(), 166);
    EXPECT_EQ(player->getBboxU(), 0);
    EXPECT_EQ(player->getWalkSpeed(), 4.0);
    EXPECT_EQ(player->getAimPositionY(), 8);
}

TEST_F(Player, FacesAndAimsAtTheCursorMirroredAboutItsCentre) {
    world.floor(0, 400, 200);
    // The cursor straight right of the player's aim point (y + 8).
    E_Player* right = world.player(100, 168.1, 300, 168.1 + 8);
    E_Player* left = world.player(300, 168.1, 100, 168.1 + 8);
    world.tick();
    EXPECT_TRUE(right->getFacingRight());
    EXPECT_FALSE(left->getFacingRight());
    // Angles come back through the five-decimal pi: close, not exact.
    EXPECT_NEAR(right->getBodyRotation(), 0, 1e-3);
    EXPECT_NEAR(left->getBodyRotation(), 180, 1e-3);
    EXPECT_NEAR(left->getArmPosX(), 16 - right->getArmPosX(), 1e-3) << "mirrored about x 8";
    EXPECT_NEAR(left->getHeadPosX(), 16 - right->getHeadPosX(), 1e-3);
    EXPECT_NEAR(left->getArmPosY(), right->getArmPosY(), 1e-3);
}

} // namespace
