// Ground movement on collision lines built by each test, with the tick
// fraction fixed at 1 unless a case says otherwise. The world's own player
// starts far from these lines and is never ticked here.
#include <cmath>
#include <gtest/gtest.h>

#include "CharacterWorld.h"
#include "Entities/CollisionLine.h"

namespace {

const Vector2 WALKER_RADIUS(16, 32);

// A ground character steered by the test instead of by keys.
class Walker : public E_CharacterGround {
  public:
    Walker(MapController* map, const Vector2& centre)
        : E_CharacterGround(map, Ellipsoid2(centre, WALKER_RADIUS), EN_CHARACTER_GROUND, 100,
                            SURFACE_BLOOD, 0) {
        m_walkSpeed = 4.0;
    }
    void draw() override {}

    void steer(bool left, bool right, bool jump = false, bool jumpRelease = false) {
        m_ctrlLeft = left;
        m_ctrlRight = right;
        m_ctrlJump = jump;
        m_ctrlJumpRelease = jumpRelease;
    }
    void setVelocity(const Vector2& velocity) { m_velocity = velocity; }
    void setControlState(ControlState state) { m_controlState = state; }

    // A floor contact as the contact search would record it, with the
    // outward normal of the given direction.
    void plantFloorContact(double direction) {
        CollisionPoint point;
        const Degrees angle(direction);
        point.m_normal = Vector2(angle, 1.0);
        point.m_normalDirection = angle;
        point.m_position = m_position.m_center + point.m_normal * WALKER_RADIUS;
        m_collisionPoints.push_back(point);
        m_collisionPointCache.cache(&m_collisionPoints.back(), m_position.m_center);
    }
    const Vector2& centre() const { return m_position.m_center; }
};

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

TEST_F(Movement, SlopeJumpDriftsRightAndIgnoresWalkingLeftUntilItEnds) {
    setTickFraction(0);
    Walker& walker = spawn(Vector2(3000, 100));
    walker.plantFloorContact(200);
    walker.steer(false, false, true);
    walker.gameTick();
    const Vector2 push = Vector2(Degrees(200), 1.0) * -7.0;
    EXPECT_NEAR(walker.getVelocity().m_x, push.m_x, 1e-9);
    EXPECT_NEAR(walker.getVelocity().m_y, push.m_y, 1e-9);
    ASSERT_GT(walker.getVelocity().m_x, 0);
    ASSERT_LT(walker.getVelocity().m_y, 0);
    EXPECT_EQ(walker.getControlState(), E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);

    setTickFraction(1);
    walker.steer(true, false);
    int driftTicks = 0;
    while (walker.getControlState() == E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT) {
        const double before = walker.centre().m_x;
        const double driftSpeed = walker.getVelocity().m_x;
        walker.gameTick();
        EXPECT_NEAR(walker.centre().m_x - before, driftSpeed, 1e-9) << "walked left while drifting";
        ASSERT_LT(++driftTicks, 30);
    }
    EXPECT_EQ(walker.getVelocity().m_x, 0);
    const double before = walker.centre().m_x;
    walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x, before - 4, 1e-6) << "walking left must return";
}

TEST_F(Movement, WalkingRightStillWorksDuringARightDrift) {
    Walker& walker = spawn(Vector2(3000, 100));
    walker.setControlState(E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);
    walker.setVelocity(Vector2(3, 0));
    walker.steer(false, true);
    walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x, 3000 + 3 + 4, 1e-6);
    EXPECT_DOUBLE_EQ(walker.getVelocity().m_x, 2.5);
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

TEST_F(Movement, WallStopsTheWalk) {
    floor(2800, 3200, 400);
    // A wall facing left, rising from the floor.
    line(Vector2(3100, 200), Vector2(3100, 400));
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    walker.steer(false, true);
    for (int i = 0; i < 40; ++i)
        walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x, 3100 - 16, 0.01);
    EXPECT_NEAR(walker.centre().m_y, 368, 0.01);
}

// Distance from p to the line through the segment, on its front side.
double heightAbove(const Line2& slope, const Vector2& p) {
    const Vector2 normal = (slope.m_b - slope.m_a).rNormal().normalize();
    return (p - slope.m_a).dotProduct(normal);
}

TEST_F(Movement, WalkUpWalkableSlopeTakesShortStepsAndStaysOnIt) {
    // 27 degrees, rising to the right; its front side faces up and left.
    const Line2 slope(Vector2(3400, 200), Vector2(3000, 400));
    line(slope.m_a, slope.m_b);
    // A line far behind the walker that every search near it returns:
    // its retrieval counter counts the searches.
    const Line2 witness(Vector2(3050, 430), Vector2(3150, 430));
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

    Walker& walker = spawn(Vector2(3100, 250));
    settle(walker);
    const Vector2 start = walker.centre();
    const double standingHeight = heightAbove(slope, start);
    const std::uint64_t searchesBefore = counter->getRetreivalCounter();
    walker.walk(4, +1);

    const Vector2 along = (slope.m_a - slope.m_b).normalize();
    EXPECT_NEAR((walker.centre() - start).length(), 4, 1e-3);
    EXPECT_NEAR((walker.centre() - start).dotProduct(along), 4, 1e-3);
    EXPECT_NEAR(heightAbove(slope, walker.centre()), standingHeight, 0.01);
    // Every pass of at most 0.1 searches at least once.
    EXPECT_GE(counter->getRetreivalCounter() - searchesBefore, 40u);
}

} // namespace
