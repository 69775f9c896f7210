// The player of morr2d and the worlds it walks: built with its box, music
// and frames; falling onto the fixed level and walking its slopes; walking
// down and climbing five-tile diagonals both ways; staying crouched under a
// low tile; the pose towards the cursor; the drawing depths.
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "AppStuff/GUIController.h"
#include "BoxWorld.h"
#include "VideoSystem.h"

namespace {

const SDLKey LEFT_KEY = SDLK_a, RIGHT_KEY = SDLK_d, CROUCH_KEY = SDLK_s;

class Player : public testing::Test {
  protected:
    BoxWorld world;
};

TEST_F(Player, IsBuiltStandingAimingAndPlayingTheMetalSong) {
    E_Player* player = world.player(100, 100);
    EXPECT_EQ(player->getBboxL(), 0);
    EXPECT_EQ(player->getBboxU(), 0);
    EXPECT_EQ(player->getBboxR(), 15.9);
    EXPECT_EQ(player->getBboxD(), 31.9);
    EXPECT_EQ(player->getDepth(), -100);
    EXPECT_EQ(player->getHealth(), 100);
    EXPECT_EQ(player->getTeam(), 0);
    EXPECT_EQ(player->getSurfaceType(), SURFACE_BLOOD);
    EXPECT_EQ(player->getWalkSpeed(), 4.0);
    EXPECT_EQ(player->getXCenter(), 8);
    EXPECT_EQ(player->getYCenter(), 16);
    EXPECT_EQ(player->getAimPositionX(), 8);
    EXPECT_EQ(player->getAimPositionY(), 8);
    EXPECT_EQ(player->getAimType(), AIM_TARGET);
    EXPECT_EQ(player->getLegFrameType(), E_Player::LEG_FRAME_STAND);
    EXPECT_EQ(player->getArmFrames().m_currentSprites[0], SP_PLAYarmPIST00);
    const std::vector<std::string> debug = world.engine.logger->textsOf("debug");
    EXPECT_EQ(
        std::count_if(debug.begin(), debug.end(),
                      [](const std::string& line) { return line.rfind("SoundChan ", 0) == 0; }),
        1);
}

TEST_F(Player, TakesWholeNumberDamageAndDiesAtZero) {
    E_Player* player = world.player(100, 100);
    player->takeDamage(30, false);
    EXPECT_EQ(player->getHealth(), 70);
    player->takeDamage(-10, false);
    EXPECT_EQ(player->getHealth(), 80);
    const std::size_t active = world.map().getActiveEntities().size();
    player->takeDamage(100, true);
    EXPECT_EQ(world.map().getActiveEntities().size(), active - 1) << "destroyed";
}

TEST_F(Player, FacesAndAimsAtTheCursorMirroredAboutItsCentre) {
    for (double x = 0; x < 400; x += 16)
        world.wall(x, 200);
    // The cursor straight right of the player's aim point (y + 8).
    E_Player* right = world.player(100, 168.1, 300, 168.1 + 8);
    world.tick();
    EXPECT_TRUE(right->getFacingRight());
    // Angles come back through the five-decimal pi: close, not exact.
    EXPECT_NEAR(right->getBodyRotation(), 0, 1e-3);
    const double armX = right->getArmPosX(), headX = right->getHeadPosX();

    E_Player* left = world.player(300, 168.1, 100, 168.1 + 8);
    world.tick();
    EXPECT_FALSE(left->getFacingRight());
    EXPECT_NEAR(left->getBodyRotation(), 180, 1e-3);
    EXPECT_NEAR(left->getArmPosX(), 16 - armX, 1e-3) << "mirrored about x centre 8";
    EXPECT_NEAR(left->getHeadPosX(), 16 - headX, 1e-3);
    EXPECT_NEAR(left->getArmPosY(), right->getArmPosY(), 1e-3);
}

TEST_F(Player, StaysCrouchedUnderALowTileUntilItWalksOut) {
    for (double x = 0; x < 400; x += 16)
        world.wall(x, 200);
    // Its bottom 24 units above the floor: room for a crouching player only.
    world.wall(150, 160);
    E_Player* player = world.player(120, 168.1);
    world.press(CROUCH_KEY);
    world.tick();
    ASSERT_TRUE(player->getCrouching());
    EXPECT_EQ(player->getBboxU(), 8);
    EXPECT_EQ(player->getWalkSpeed(), 1.0);
    EXPECT_EQ(player->getAimPositionY(), 20);
    world.press(RIGHT_KEY);
    world.ticks(40);
    ASSERT_GT(player->getX(), 140);
    ASSERT_LT(player->getX(), 160);
    world.release(RIGHT_KEY);
    world.release(CROUCH_KEY);
    world.ticks(3);
    EXPECT_TRUE(player->getCrouching()) << "no room to stand";
    world.press(RIGHT_KEY);
    for (int tick = 0; tick < 40 && player->getCrouching(); ++tick)
        world.tick();
    EXPECT_FALSE(player->getCrouching());
    EXPECT_GE(player->getX(), 166);
    EXPECT_EQ(player->getBboxU(), 0);
    EXPECT_EQ(player->getAimPositionY(), 8);
}

// Five 45-degree tiles in a row between two floors. Walking down must never
// leave the ground; walking back up climbs it.
class Diagonal : public testing::TestWithParam<WallType> {
  protected:
    void SetUp() override {
        const bool fallsRight = GetParam() == WT_WALL_UDT;
        for (int i = 0; i < 5; ++i) {
            const double x = fallsRight ? 96 + 16 * i : 96 + 16 * (4 - i);
            world.wall(x, 200 + 16 * i, GetParam());
        }
        // Upper floor on the high side, lower floor on the low side.
        for (int i = 1; i <= 4; ++i) {
            world.wall(fallsRight ? 96 - 16 * i : 176 + 16 * (i - 1), 200);
            world.wall(fallsRight ? 176 + 16 * (i - 1) : 96 - 16 * i, 280);
        }
        downKey = fallsRight ? RIGHT_KEY : LEFT_KEY;
        upKey = fallsRight ? LEFT_KEY : RIGHT_KEY;
        player = world.player(fallsRight ? 60 : 200, 168.1, fallsRight ? 900 : -900, 100);
        world.ticks(2);
    }
    BoxWorld world;
    E_Player* player = nullptr;
    SDLKey downKey = RIGHT_KEY, upKey = LEFT_KEY;
};

TEST_P(Diagonal, WalksDownWithoutLeavingTheGroundAndClimbsBack) {
    ASSERT_TRUE(player->getOnGround());
    ASSERT_NEAR(player->getY(), 168.1, 1e-9);
    world.press(downKey);
    for (int tick = 0; tick < 40; ++tick) {
        world.tick();
        ASSERT_TRUE(player->getOnGround()) << "tick " << tick << " at " << player->getX();
        ASSERT_EQ(player->getYSpeed(), 0) << "tick " << tick;
        ASSERT_EQ(player->getLegFrameType(), E_Player::LEG_FRAME_WALK);
    }
    world.release(downKey);
    world.tick();
    EXPECT_NEAR(player->getY(), 248.1, 1e-6) << "on the lower floor";
    world.press(upKey);
    for (int tick = 0; tick < 40; ++tick) {
        world.tick();
        ASSERT_TRUE(player->getOnGround()) << "tick " << tick << " at " << player->getX();
    }
    world.release(upKey);
    world.tick();
    EXPECT_NEAR(player->getY(), 168.1, 1e-6) << "back on the upper floor";
}

INSTANTIATE_TEST_SUITE_P(BothSlopes, Diagonal, testing::Values(WT_WALL_UDT, WT_WALL_DUT),
                         [](const testing::TestParamInfo<WallType>& info) {
                             return info.param == WT_WALL_UDT ? "FallingRight" : "FallingLeft";
                         });

class FixedLevelPlay : public testing::Test {
  protected:
    E_Player& player() { return *world.state->getPlayer(); }
    BoxWorld world{BoxWorld::FIXED};
};

TEST_F(FixedLevelPlay, PlayerFallsOntoTheLevelAndStays) {
    world.ticks(60);
    const double y = player().getY();
    EXPECT_TRUE(player().getOnGround());
    EXPECT_NEAR(y + 31.9, 176, 0.1) << "on the ceiling tile at (64, 176)";
    world.ticks(30);
    EXPECT_EQ(player().getY(), y);
    EXPECT_EQ(player().getX(), 76);
}

// The level's two floor slopes, each climbed from the floor beside it and
// walked back down. (Between them lies a pit as wide as the player.)
TEST_F(FixedLevelPlay, WalksBothWaysOverTheSlopeTiles) {
    const double onFloor = 240 - 31.9, onSlopeTop = 224 - 31.9;
    const auto walk = [&](SDLKey key, const std::function<bool()>& until) {
        world.press(key);
        for (int tick = 0; tick < 20 && !until(); ++tick) {
            world.tick();
            EXPECT_TRUE(player().getOnGround()) << player().getX();
            EXPECT_EQ(player().getYSpeed(), 0) << player().getX();
        }
        world.release(key);
        world.tick();
    };
    player().setXY(48, onFloor);
    world.ticks(2);
    ASSERT_TRUE(player().getOnGround());
    walk(RIGHT_KEY, [&] { return player().getX() + 15.9 >= 80; });
    EXPECT_NEAR(player().getY(), onSlopeTop, 0.2) << "up the rising tile";
    walk(LEFT_KEY, [&] { return player().getX() <= 48; });
    EXPECT_NEAR(player().getY(), onFloor, 0.2) << "back down";

    player().setXY(16, onFloor);
    world.ticks(2);
    walk(LEFT_KEY, [&] { return player().getX() <= 0; });
    EXPECT_NEAR(player().getY(), onSlopeTop, 0.2) << "up the falling tile";
    walk(RIGHT_KEY, [&] { return player().getX() >= 16; });
    EXPECT_NEAR(player().getY(), onFloor, 0.2) << "back down";
}

TEST_F(FixedLevelPlay, DrawsWallsAndShotgunBehindPlayerBehindCrosshairBehindInterface) {
    std::vector<std::pair<entityEnum, int>> depths;
    for (unsigned chunk = 0; chunk < world.map().getLevelChunksNum(); ++chunk)
        for (const Pointer<Entity>& entity : world.map().getChunk(chunk).m_entities)
            depths.emplace_back(entity->getType(), entity->getDepth());
    for (const auto& [type, depth] : depths) {
        if (type == EN_WALL || type == EN_SHOTGUN) {
            EXPECT_EQ(depth, 0);
        } else if (type == EN_PLAYER) {
            EXPECT_EQ(depth, -100);
        } else if (type == EN_CURSOR_GAME) {
            EXPECT_EQ(depth, -999);
        }
    }
    GUIController layer(world.engine.state);
    EXPECT_EQ(layer.getDepth(), -999999);
    EXPECT_FALSE(layer.getVisible());
    EXPECT_TRUE(compareDrawableDepths(&*world.state->getGameCursor(), &layer));
    EXPECT_TRUE(compareDrawableDepths(&player(), &*world.state->getGameCursor()));
}

} // namespace
