// Debris: the fall under gravity up to its cap, the bounce and the stop at
// walls, landing, the tilt while moving and the settling afterwards, and
// the shotgun's sleep.
#include "Morr2dWorld.h"

namespace {

using Debris = Morr2dEmpty;

TEST_F(Debris, FallsFasterEachTickAndStaticDebrisSleepsAtOnce) {
    E_Shotgun* falling = world.shotgun(500, 100);
    E_Shotgun* still = world.shotgun(300, 100, true);
    world.tick();
    EXPECT_EQ(falling->getY(), 100) << "the speed is still 0 during the first move";
    EXPECT_DOUBLE_EQ(falling->getYSpeed(), 0.7);
    EXPECT_TRUE(still->getResting());
    EXPECT_FALSE(still->getActive());
    world.tick();
    EXPECT_NEAR(falling->getY(), 100.7, 1e-9);
    EXPECT_DOUBLE_EQ(falling->getYSpeed(), 1.4);
    EXPECT_EQ(still->getY(), 100);
}

// Each resting on a floor, sliding into a wall: against it, or two units
// short of it; and one falling onto a floor while moving sideways.
TEST_F(Debris, BouncesOffWallsAtSevenTenthsOfItsSpeedStopsWhenSlowAndLandsStill) {
    for (double y : {200, 300, 400}) {
        world.floor(0, 640, y);
        world.wall(120, y - 16);
    }
    world.wall(60, 184);
    world.floor(0, 640, 600);
    E_Shotgun* fast = world.shotgun(112.1, 196.1);
    E_Shotgun* slow = world.shotgun(112.1, 296.1);
    E_Shotgun* twoShort = world.shotgun(110.1, 396.1);
    E_Shotgun* landing = world.shotgun(300, 550);
    fast->setXSpeed(3.0);
    slow->setXSpeed(0.05);
    twoShort->setXSpeed(3.0);
    landing->setXSpeed(2.0);
    world.tick();
    EXPECT_EQ(fast->getX(), 112.1) << "bounced on its first sub-step, no further";
    EXPECT_DOUBLE_EQ(fast->getXSpeed(), -2.1);
    EXPECT_EQ(slow->getXSpeed(), 0);
    EXPECT_NEAR(twoShort->getX(), 112.05, 0.051) << "stopped at the wall";
    EXPECT_DOUBLE_EQ(twoShort->getXSpeed(), -2.1);
    for (int tick = 0; tick < 30 && fast->getXSpeed() < 0; ++tick)
        world.tick();
    EXPECT_NEAR(fast->getXSpeed(), 1.47, 1e-12) << "and back off the wall on the left";
    world.ticks(30);
    EXPECT_EQ(landing->getXSpeed(), 0) << "landing stops the sideways motion too";
    EXPECT_EQ(landing->getYSpeed(), 0);
    EXPECT_LE(landing->getY() + 3.9, 600);
    EXPECT_GT(landing->getY() + 3.9, 599.9);
}

// Moving, debris tilts 15 degrees towards its motion; stopped, it turns 30
// degrees a tick towards the nearer flat side and is not at rest until
// there.
TEST_F(Debris, TiltsWhileMovingAndSettlesFlat) {
    E_Shotgun* tilted = world.shotgun(500, 100);
    tilted->setXSpeed(-1.0);
    world.tick();
    EXPECT_EQ(tilted->getRotation(), -15);
    tilted->setXSpeed(0);
    tilted->setYSpeed(0);
    world.tick();
    EXPECT_EQ(tilted->getRotation(), 0) << "345 reaches 360 within a tick and becomes 0";

    world.floor(288, 320, 200);
    E_Shotgun* onItsBack = world.shotgun(300, 196.1);
    onItsBack->setRotation(100);
    for (double rotation : {130, 160, 180}) {
        world.tick();
        EXPECT_EQ(onItsBack->getRotation(), rotation);
        EXPECT_TRUE(onItsBack->getActive()) << "still settling";
    }
    world.tick();
    EXPECT_TRUE(onItsBack->getResting());
    EXPECT_FALSE(onItsBack->getActive());
}

} // namespace
