// The box ground movement: sub-steps of a walk, a walk blocked at once, the
// bounce of characters nobody steers, the climbing search on the ground and
// in the air, jumps, and walking down 45-degree tiles without leaving the
// ground. Every case that walks right has its mirror walking left.
#include <gtest/gtest.h>

#include "BoxWorld.h"
#include "Entities/Characters/E_CharacterGround.h"

namespace {

// A ground character 8 wide and 16 tall, its reference point at its top
// left.
class Walker : public E_CharacterGround {
  public:
    Walker(MapController* map, double x, double y)
        : E_CharacterGround(map, x, y, 0, 0, 8, 16, EN_CHARACTER_GROUND, 0, 10, SURFACE_METAL, 1) {
        m_walkSpeed = 4.0;
    }
    void draw() override {}
    void setOnGround(bool onGround) { m_onGround = onGround; }
};

enum Direction { RIGHT = 1, LEFT = -1 };

class Movement : public testing::TestWithParam<Direction> {
  protected:
    // Mirrors x about the middle of the level's first 640 units, so a
    // case built for walking right walks left in its mirror.
    double mirrored(double x, double width) const {
        return GetParam() == RIGHT ? x : 640 - x - width;
    }
    E_Wall* wall(double x, double y, WallType type = WT_WALL) {
        if (GetParam() == LEFT) {
            if (type == WT_WALL_DUT)
                type = WT_WALL_UDT;
            else if (type == WT_WALL_UDT)
                type = WT_WALL_DUT;
        }
        return world.wall(mirrored(x, 16), y, type);
    }
    Walker* walker(double x, double y) { return new Walker(&world.map(), mirrored(x, 8), y); }
    void walkForward(Walker* who) {
        who->setControls(GetParam() == LEFT, GetParam() == RIGHT, false, false);
    }
    // How far the walker has come in the walking direction.
    double travelled(const Walker* who, double startX) const {
        return (who->getX() - mirrored(startX, 8)) * GetParam();
    }
    void floor(double fromX, double toX, double y) {
        for (double x = fromX; x < toX; x += 16)
            wall(x, y);
    }

    BoxWorld world;
};

TEST_P(Movement, WalkOnFlatGroundTakesFourUnitsInSubSteps) {
    floor(0, 320, 100);
    Walker* who = walker(100, 84);
    walkForward(who);
    world.tick();
    EXPECT_NEAR(travelled(who, 100), 4.0, 1e-9);
    EXPECT_EQ(who->getY(), 84);
    EXPECT_TRUE(who->getOnGround());
    who->setWalkSpeed(0.25);
    world.tick();
    EXPECT_NEAR(travelled(who, 100), 4.25, 1e-9) << "two sub-steps of 0.1 and one of 0.05";
}

TEST_P(Movement, WalkBlockedOnItsFirstSubStepStops) {
    floor(0, 320, 100);
    wall(108, 84);
    wall(108, 68);
    Walker* who = walker(100, 84);
    walkForward(who);
    world.tick();
    EXPECT_EQ(travelled(who, 100), 0);
    EXPECT_EQ(who->getXSpeed(), 0);
}

TEST_P(Movement, UnsteeredCharacterBouncesBackOffAWall) {
    floor(0, 320, 100);
    wall(108, 84);
    wall(108, 68);
    Walker* who = walker(100, 84);
    who->setHasMoveControl(false);
    who->setXSpeed(3.0 * GetParam());
    world.tick();
    EXPECT_EQ(travelled(who, 100), 0) << "no further in that tick";
    EXPECT_DOUBLE_EQ(who->getXSpeed(), -2.1 * GetParam());
}

TEST_P(Movement, SlowUnsteeredCharacterStopsAtAWall) {
    floor(0, 320, 100);
    wall(108, 84);
    Walker* who = walker(100, 84);
    who->setHasMoveControl(false);
    who->setXSpeed(0.05 * GetParam());
    world.tick();
    EXPECT_EQ(who->getXSpeed(), 0);
}

// On the ground the search tries thirty offsets from 1.5 below to about 1.4
// above the walk.
TEST_P(Movement, ClimbsARiseOfAboutOnePointFourOnTheGround) {
    floor(0, 320, 100);
    wall(108.05, 100 - 1.35);
    Walker* low = walker(100, 84);
    walkForward(low);
    world.tick();
    EXPECT_GT(travelled(low, 100), 1.0) << "climbed 1.35";
    EXPECT_LT(low->getY(), 84 - 1.3);
}

TEST_P(Movement, DoesNotClimbARiseOfOnePointFiveOnTheGround) {
    floor(0, 320, 100);
    wall(108.05, 100 - 1.45);
    Walker* who = walker(100, 84);
    walkForward(who);
    world.tick();
    EXPECT_EQ(travelled(who, 100), 0);
    EXPECT_EQ(who->getXSpeed(), 0);
}

// In the air the search only lifts, fifteen offsets from 0.
TEST_P(Movement, InTheAirIsOnlyLiftedOverALedge) {
    wall(108.05, 100 - 1.35);
    Walker* lifted = walker(100, 84);
    lifted->setOnGround(false);
    walkForward(lifted);
    world.tick();
    EXPECT_GT(travelled(lifted, 100), 1.0);

    wall(308.05, 100 - 1.45);
    Walker* blocked = walker(300, 84);
    blocked->setOnGround(false);
    walkForward(blocked);
    world.tick();
    EXPECT_EQ(travelled(blocked, 300), 0);
}

TEST_P(Movement, JumpsOnlyFromTheGroundAndReleaseHalvesOnlyInTheAir) {
    floor(0, 320, 100);
    Walker* who = walker(100, 84);
    who->setControls(false, false, true, false);
    world.tick();
    EXPECT_NEAR(who->getY(), 74, 1e-9) << "ten units up in the first tick";
    EXPECT_DOUBLE_EQ(who->getYSpeed(), -9.3);
    world.tick();
    EXPECT_DOUBLE_EQ(who->getYSpeed(), -8.6) << "no second jump in the air";
    who->setControls(false, false, false, true);
    world.tick();
    EXPECT_NEAR(who->getYSpeed(), -4.3 + 0.7, 1e-9);

    Walker* grounded = walker(200, 84);
    grounded->setYSpeed(-2);
    grounded->setControls(false, false, false, true);
    world.tick();
    EXPECT_NEAR(grounded->getY(), 82, 1e-9) << "released on the ground: not halved";
}

// The ground under a walker stepping down a 45-degree tile lies exactly on
// the diagonal a sub-step below it; the walker must not lose the ground
// there and fall down the slope in hops.
TEST_P(Movement, WalksDownAFortyFiveDegreeTileWithoutLeavingTheGround) {
    wall(0, 100);
    wall(16, 100, WT_WALL_UDT);
    wall(16, 116);
    wall(32, 116);
    wall(48, 116);
    Walker* who = walker(4, 84);
    walkForward(who);
    for (int tick = 0; tick < 8; ++tick) {
        world.tick();
        EXPECT_TRUE(who->getOnGround()) << "tick " << tick << " at x " << who->getX();
        EXPECT_EQ(who->getYSpeed(), 0) << "tick " << tick;
    }
    EXPECT_NEAR(who->getY(), 100, 1e-6) << "down on the lower floor";
}

INSTANTIATE_TEST_SUITE_P(BothWays, Movement, testing::Values(RIGHT, LEFT),
                         [](const testing::TestParamInfo<Direction>& info) {
                             return info.param == RIGHT ? "Right" : "Left";
                         });

} // namespace
