// Debris: the fall under gravity up to its cap, the bounce and the stop at
// walls, landing, the tilt while moving and the settling afterwards, and
// the shotgun's sleep.
#include <gtest/gtest.h>

#include "BoxWorld.h"
#include "Entities/Items/E_Shotgun.h"

namespace {

class Debris : public testing::Test {
  protected:
    E_Shotgun* shotgun(double x, double y, bool isStatic = false) {
        return new E_Shotgun(&world.map(), x, y, isStatic);
    }
    BoxWorld world;
};

TEST_F(Debris, FallsFasterEachTickUpToSixteen) {
    E_Shotgun* item = shotgun(500, 100);
    world.tick();
    EXPECT_EQ(item->getY(), 100) << "the speed is still 0 during the first move";
    EXPECT_DOUBLE_EQ(item->getYSpeed(), 0.7);
    world.tick();
    EXPECT_NEAR(item->getY(), 100.7, 1e-9);
    EXPECT_DOUBLE_EQ(item->getYSpeed(), 1.4);
    world.tick();
    EXPECT_NEAR(item->getYSpeed(), 2.1, 1e-12);
    world.ticks(30);
    EXPECT_EQ(item->getYSpeed(), 16.0);
    world.tick();
    EXPECT_EQ(item->getYSpeed(), 16.0);
}

TEST_F(Debris, BouncesOffWallsAtSevenTenthsOfItsSpeed) {
    for (double x = 0; x < 640; x += 16)
        world.wall(x, 200);
    world.wall(120, 184);
    world.wall(60, 184);
    // Resting on the floor, its right edge against the wall.
    E_Shotgun* item = shotgun(112.1, 196.1);
    item->setXSpeed(3.0);
    world.tick();
    EXPECT_EQ(item->getX(), 112.1) << "bounced on its first sub-step, no further";
    EXPECT_DOUBLE_EQ(item->getXSpeed(), -2.1);
    for (int tick = 0; tick < 30 && item->getXSpeed() < 0; ++tick)
        world.tick();
    EXPECT_NEAR(item->getXSpeed(), 1.47, 1e-12);
}

TEST_F(Debris, StopsAtAWallWhenSlow) {
    for (double x = 0; x < 640; x += 16)
        world.wall(x, 200);
    world.wall(120, 184);
    E_Shotgun* item = shotgun(112.1, 196.1);
    item->setXSpeed(0.05);
    world.tick();
    EXPECT_EQ(item->getXSpeed(), 0);
}

TEST_F(Debris, LandingStopsTheSidewaysMotionToo) {
    for (double x = 0; x < 640; x += 16)
        world.wall(x, 200);
    E_Shotgun* item = shotgun(300, 150);
    item->setXSpeed(2.0);
    world.ticks(30);
    EXPECT_EQ(item->getXSpeed(), 0);
    EXPECT_EQ(item->getYSpeed(), 0);
    EXPECT_LE(item->getY() + 3.9, 200);
    EXPECT_GT(item->getY() + 3.9, 199.9);
}

TEST_F(Debris, TiltsWhileMovingAndSettlesFlat) {
    auto* item = shotgun(500, 100);
    item->setXSpeed(-1.0);
    world.tick();
    EXPECT_EQ(item->getRotation(), -15);
    item->setXSpeed(0);
    item->setYSpeed(0);
    world.tick();
    EXPECT_EQ(item->getRotation(), 0) << "345 reaches 360 within a tick and becomes 0";

    auto* other = shotgun(300, 100);
    other->setRotation(100);
    world.tick();
    EXPECT_EQ(other->getRotation(), 130);
    EXPECT_FALSE(other->getResting());
    world.tick();
    EXPECT_EQ(other->getRotation(), 160);
    world.tick();
    EXPECT_EQ(other->getRotation(), 180);
}

TEST_F(Debris, StaticShotgunRestsAndSleepsOnItsFirstTick) {
    E_Shotgun* item = shotgun(500, 100, true);
    world.tick();
    EXPECT_TRUE(item->getResting());
    EXPECT_FALSE(item->getActive());
    EXPECT_EQ(item->getY(), 100);
}

class FixedLevelShotgun : public testing::Test {
  protected:
    BoxWorld world{BoxWorld::FIXED};
};

TEST_F(FixedLevelShotgun, FallsOntoTheTileBelowAndSleeps) {
    E_Shotgun* item = nullptr;
    for (const Pointer<Entity>& entity : world.map().getActiveEntities())
        if (entity->getType() == EN_SHOTGUN)
            item = static_cast<E_Shotgun*>(&*entity);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->getX(), 64);
    EXPECT_EQ(item->getY(), 100);
    for (int tick = 0; tick < 200 && item->getActive(); ++tick)
        world.tick();
    EXPECT_FALSE(item->getActive());
    EXPECT_NEAR(item->getY(), 172.1, 0.1) << "on the ceiling tile at (64, 176)";
    EXPECT_EQ(item->getRotation(), 0);
    EXPECT_TRUE(world.map().isEntityAt(item->getX() - 8, item->getY() + 3.9, item->getX() + 7.9,
                                       item->getY() + 4.1, EN_WALL));
}

} // namespace
