// Ground movement on collision lines built by each test, with the tick
// fraction fixed at 1 unless a case says otherwise. The world's own player
// starts far from these lines and is never ticked here.
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "CharacterWorld.h"
#include "Entities/CollisionLine.h"
#include "Walker.h"

namespace {

class Movement : public testing::Test {
  protected:
    Walker& spawn(const Vector2& centre) { return *new Walker(&world.map(), centre); }
    // Lines collide on the side their right-hand normal points to: a floor
    // runs from right to left.
    void floor(double left, double right, double y) {
        new CollisionLine(&world.map(), Line2(Vector2(right, y), Vector2(left, y)));
    }
    void line(const Vector2& a, const Vector2& b) { new CollisionLine(&world.map(), Line2(a, b)); }
    // Ticks until the walker has come to rest on something.
    void settle(Walker& walker) {
        for (int i = 0; i < 200; ++i)
            walker.gameTick();
        ASSERT_EQ(walker.getVelocity().m_y, 0) << "the walker did not come to rest";
    }
    void setTickFraction(double fraction) { world.engine.controller->setTickFraction(fraction); }

    CharacterWorld world;
};

TEST_F(Movement, FreeFallGainsHalfAUnitPerTickUpToSixteen) {
    Walker& walker = spawn(Vector2(3000, 100));
    double fallen = 0;
    for (int tick = 1; tick <= 40; ++tick) {
        const double before = walker.centre().m_y;
        walker.gameTick();
        const double expected = std::min(0.5 * tick, 16.0);
        ASSERT_DOUBLE_EQ(walker.getVelocity().m_y, expected) << "tick " << tick;
        EXPECT_NEAR(walker.centre().m_y - before, expected, 1e-9) << "tick " << tick;
        fallen += expected;
    }
    EXPECT_NEAR(walker.centre().m_y, 100 + fallen, 1e-6);
}

TEST_F(Movement, FallOfHalfATickFallsAQuarterOfTheGravity) {
    setTickFraction(0.5);
    Walker& walker = spawn(Vector2(3000, 100));
    walker.gameTick();
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_y, 0.25);
    EXPECT_NEAR(walker.centre().m_y, 100.125, 1e-9);
}

TEST_F(Movement, FallsOntoFloorAndStays) {
    floor(2800, 3200, 400);
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    EXPECT_NEAR(walker.centre().m_y, 368, 0.01);
    walker.gameTick();
    EXPECT_NEAR(walker.centre().m_y, 368, 0.01);
    EXPECT_EQ(walker.getVelocity().m_y, 0);
}

// Held in the corner of a floor and a wall, a fall down and to the right
// cannot start at all.
TEST_F(Movement, BlockedFallStopsBothComponentsAndEndsTheDrift) {
    floor(2800, 3200, 400);
    line(Vector2(3100, 200), Vector2(3100, 400));
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    walker.steer(false, true);
    for (int i = 0; i < 40; ++i)
        walker.gameTick();
    walker.steer(false, false);
    // The first push closes what is left of the gaps kept to both lines.
    for (int push = 0; push < 2; ++push) {
        walker.setVelocity(Vector2(3, 0));
        walker.setControlState(E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);
        walker.gameTick();
    }
    walker.setVelocity(Vector2(3, 0));
    walker.setControlState(E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);
    const Vector2 before = walker.centre();
    walker.gameTick();
    EXPECT_EQ(walker.getVelocity().m_x, 0);
    EXPECT_EQ(walker.getVelocity().m_y, 0);
    EXPECT_EQ(walker.getControlState(), E_CharacterGround::CTRL_PLATFORM);
    EXPECT_EQ(walker.centre().m_x, before.m_x);
    EXPECT_EQ(walker.centre().m_y, before.m_y);
}

TEST_F(Movement, NoJumpWithoutFloorContact) {
    Walker& walker = spawn(Vector2(3000, 100));
    walker.steer(false, false, true);
    walker.gameTick();
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_y, 0.5);
}

TEST_F(Movement, JumpFromFlatFloorRisesTenAndTheImpulseIsNotScaled) {
    floor(2800, 3200, 400);
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    setTickFraction(0.25);
    walker.steer(false, false, true);
    walker.gameTick();
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_y, -10);
}

// A tick of no length moves nothing, so a contact planted by the test is
// still the one the jump reads.
TEST_F(Movement, JumpsStraightUpFromBothWalkableLimits) {
    setTickFraction(0);
    for (double direction : {PHYS_LEFT_LIMIT, PHYS_RIGHT_LIMIT}) {
        Walker& walker = spawn(Vector2(3000, 100));
        walker.plantFloorContact(direction);
        walker.steer(false, false, true);
        walker.gameTick();
        EXPECT_EQ(walker.getVelocity().m_y, -10) << direction;
        EXPECT_EQ(walker.getVelocity().m_x, 0) << direction;
        EXPECT_EQ(walker.getControlState(), E_CharacterGround::CTRL_PLATFORM) << direction;
    }
}

class SlopeJump : public Movement, public testing::WithParamInterface<double> {};

// A contact of direction 200 lies steeply down and to the left, so the push
// goes up and right; 340 is its mirror image.
TEST_P(SlopeJump, DriftsAwayAndIgnoresWalkingBackUntilItEnds) {
    const double contact = GetParam();
    const double side = contact < 270 ? +1 : -1;
    const auto drifting = side > 0 ? E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT
                                   : E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_LEFT;
    setTickFraction(0);
    Walker& walker = spawn(Vector2(3000, 100));
    walker.plantFloorContact(contact);
    walker.steer(false, false, true);
    walker.gameTick();
    const Vector2 push = Vector2(Degrees(contact), 1.0) * -7.0;
    EXPECT_NEAR(walker.getVelocity().m_x, push.m_x, 1e-9);
    EXPECT_NEAR(walker.getVelocity().m_y, push.m_y, 1e-9);
    ASSERT_GT(walker.getVelocity().m_x * side, 0);
    ASSERT_LT(walker.getVelocity().m_y, 0);
    EXPECT_EQ(walker.getControlState(), drifting);

    setTickFraction(1);
    walker.steer(side > 0, side < 0);
    int driftTicks = 0;
    while (walker.getControlState() == drifting) {
        const double before = walker.centre().m_x;
        const double driftSpeed = walker.getVelocity().m_x;
        walker.gameTick();
        EXPECT_NEAR(walker.centre().m_x - before, driftSpeed, 1e-9) << "walked back while drifting";
        ASSERT_LT(++driftTicks, 30);
    }
    EXPECT_EQ(walker.getVelocity().m_x, 0);
    const double before = walker.centre().m_x;
    walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x, before - side * 4, 1e-6) << "walking back must return";
}

INSTANTIATE_TEST_SUITE_P(BothSides, SlopeJump, testing::Values(200.0, 340.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return info.param < 270 ? std::string("right") : std::string("left");
                         });

TEST_F(Movement, WalkingWithTheDriftStillWorksOnEitherSide) {
    Walker& right = spawn(Vector2(3000, 100));
    right.setControlState(E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);
    right.setVelocity(Vector2(3, 0));
    right.steer(false, true);
    right.gameTick();
    EXPECT_NEAR(right.centre().m_x, 3000 + 3 + 4, 1e-6);
    EXPECT_DOUBLE_EQ(right.getVelocity().m_x, 2.5);

    Walker& left = spawn(Vector2(5000, 100));
    left.setControlState(E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_LEFT);
    left.setVelocity(Vector2(-3, 0));
    left.steer(true, false);
    left.gameTick();
    EXPECT_NEAR(left.centre().m_x, 5000 - 3 - 4, 1e-6);
    EXPECT_DOUBLE_EQ(left.getVelocity().m_x, -2.5);
}

TEST_F(Movement, ReleasingJumpWhileRisingHalvesTheUpwardSpeedEachTime) {
    floor(2800, 3200, 400);
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    walker.steer(false, false, true);
    walker.gameTick();
    ASSERT_EQ(walker.getVelocity().m_y, -10);
    walker.steer(false, false, false, true);
    walker.gameTick();
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_y, -4.75);
    walker.gameTick();
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_y, -2.125);
    walker.steer(false, false);
    while (walker.getVelocity().m_y < 0)
        walker.gameTick();
    walker.gameTick();
    const double falling = walker.getVelocity().m_y;
    ASSERT_GT(falling, 0);
    walker.steer(false, false, false, true);
    walker.gameTick();
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_y, falling + 0.5) << "falling is not shortened";
}

TEST_F(Movement, RightWinsWhenBothWalkKeysAreHeld) {
    floor(2800, 3200, 400);
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    walker.steer(true, true);
    walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x, 3004, 1e-6);
    EXPECT_NEAR(walker.centre().m_y, 368, 0.01);
}

TEST_F(Movement, WalkOfNothingDoesNothing) {
    Walker& walker = spawn(Vector2(3000, 100));
    walker.walk(0, 1);
    walker.walk(1e-8, -1);
    EXPECT_EQ(walker.centre().m_x, 3000);
    EXPECT_EQ(walker.centre().m_y, 100);
}

TEST_F(Movement, FeetContactFallingAwayAheadStopsRightWalkButNotLeftWalk) {
    Walker& walker = spawn(Vector2(3000, 100));
    walker.plantFloorContact(330);
    walker.walk(4, +1);
    EXPECT_EQ(walker.centre().m_x, 3000);
    walker.walk(4, -1);
    EXPECT_NEAR(walker.centre().m_x, 2996, 1e-6);
    EXPECT_NEAR(walker.centre().m_y, 100, 1e-9);
}

TEST_F(Movement, FeetContactFallingAwayAheadStopsLeftWalkButNotRightWalk) {
    Walker& walker = spawn(Vector2(3000, 100));
    walker.plantFloorContact(210);
    walker.walk(4, -1);
    EXPECT_EQ(walker.centre().m_x, 3000);
    walker.walk(4, +1);
    EXPECT_NEAR(walker.centre().m_x, 3004, 1e-6);
    EXPECT_NEAR(walker.centre().m_y, 100, 1e-9);
}

TEST_F(Movement, WallStopsTheWalkOnEitherSide) {
    floor(2800, 3200, 400);
    // Walls rising from the floor, facing the walker.
    line(Vector2(3100, 200), Vector2(3100, 400));
    line(Vector2(2900, 400), Vector2(2900, 200));
    for (const double side : {+1.0, -1.0}) {
        Walker& walker = spawn(Vector2(3000, 200));
        settle(walker);
        walker.steer(side<0, side> 0);
        for (int i = 0; i < 40; ++i)
            walker.gameTick();
        EXPECT_NEAR(walker.centre().m_x, 3000 + side * (100 - 16), 0.01) << "side " << side;
        EXPECT_NEAR(walker.centre().m_y, 368, 0.01) << "side " << side;
        walker.destroy();
    }
}

// Distance from p to the line through the segment, on its front side.
double heightAbove(const Line2& slope, const Vector2& p) {
    const Vector2 normal = (slope.m_b - slope.m_a).rNormal().normalize();
    return (p - slope.m_a).dotProduct(normal);
}

class SlopeWalk : public Movement, public testing::WithParamInterface<double> {};

// 27 degrees, rising towards the side walked to; its front side faces up.
TEST_P(SlopeWalk, WalkUpWalkableSlopeTakesShortStepsAndStaysOnIt) {
    const double side = GetParam();
    const Vector2 foot(3000, 400), top(3000 + side * 400, 200);
    const Line2 slope = side > 0 ? Line2(top, foot) : Line2(foot, top);
    line(slope.m_a, slope.m_b);
    // A line far behind the walker that every search near it returns:
    // its retrieval counter counts the searches.
    const Line2 witness(Vector2(3000 - side * 50, 430), Vector2(3000 + side * 50, 430));
    const Pointer<CollisionLine> counter = [&] {
        CollisionLine* made = new CollisionLine(&world.map(), witness);
        Pointer<CollisionLine> handle;
        std::vector<Pointer<CollisionLine>> near;
        world.map().getCollisionLines(&near, Box2(witness));
        for (const Pointer<CollisionLine>& found : near)
            if (&*found == made)
                handle = found;
        return handle;
    }();
    ASSERT_FALSE(counter.isNull());

    Walker& walker = spawn(Vector2(3000 + side * 100, 250));
    settle(walker);
    const Vector2 start = walker.centre();
    const double standingHeight = heightAbove(slope, start);
    const std::uint64_t searchesBefore = counter->getRetreivalCounter();
    walker.walk(4, side > 0 ? +1 : -1);

    const Vector2 along = (top - foot).normalize();
    EXPECT_NEAR((walker.centre() - start).length(), 4, 1e-3);
    EXPECT_NEAR((walker.centre() - start).dotProduct(along), 4, 1e-3);
    EXPECT_NEAR(heightAbove(slope, walker.centre()), standingHeight, 0.01);
    // Every pass of at most 0.1 searches at least once.
    EXPECT_GE(counter->getRetreivalCounter() - searchesBefore, 40u);
}

INSTANTIATE_TEST_SUITE_P(BothSides, SlopeWalk, testing::Values(+1.0, -1.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return info.param > 0 ? std::string("right") : std::string("left");
                         });

} // namespace
