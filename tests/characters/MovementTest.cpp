// Ground movement on collision lines built by each test, with the tick
// fraction fixed at 1 unless a case says otherwise. The world's own player
// starts far from these lines and is never ticked here. Mirrored cases run
// over both sides: +1 is towards the right, the left-hand case built
// elsewhere in the same world. Bodies once held still by the joints of a wall
// or by the top corner of the high wall are the stuck cases of the real
// level; exact landings are the joint walks'.
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "CragmoorWorld.h"

namespace {

class Movement : public testing::Test {
  protected:
    Walker& spawn(const Vector2& centre) { return *new Walker(&world.map(), centre); }
    void floor(double left, double right, double y) {
        world.addLine(Vector2(right, y), Vector2(left, y));
    }
    // Ticks until the walker has come to rest on the floor at y 400.
    void settle(Walker& walker) {
        for (int i = 0; i < 200; ++i)
            walker.gameTick();
        ASSERT_EQ(walker.getVelocity().m_y, 0) << "the walker did not come to rest";
        ASSERT_NEAR(walker.centre().m_y, 400 - 32, 0.01);
    }
    static std::string sideName(double side) { return side > 0 ? "rightwards" : "leftwards"; }
    // A block whose flat top at y 400 ends at an edge on its right (+1) or
    // left (-1) side, with a wall below the edge: walked from the top, the
    // edge is a convex corner. Returns the edge.
    Vector2 blockWithEdge(double side) {
        const Vector2 edge(side > 0 ? 3000 : 6000, 400);
        for (const Vector2& end : {edge - Vector2(side * 300, 0), edge + Vector2(0, 600)})
            side > 0 ? world.addLine(edge, end) : world.addLine(end, edge);
        return edge;
    }

    CragmoorWorld world;
};

TEST_F(Movement, FreeFallGainsHalfAUnitPerWholeTickUpToSixteen) {
    for (const double fraction : {1.0, 0.5}) {
        world.setTickFraction(fraction);
        Walker& walker = spawn(Vector2(3000, 100));
        for (int tick = 1; tick <= 70; ++tick) {
            const double before = walker.centre().m_y;
            walker.gameTick();
            const double speed = std::min(0.5 * fraction * tick, 16.0);
            ASSERT_DOUBLE_EQ(walker.getVelocity().m_y, speed) << fraction << ", tick " << tick;
            ASSERT_NEAR(walker.centre().m_y - before, speed * fraction, 1e-9) << "tick " << tick;
        }
        walker.destroy();
    }
}

// Held in the corner of a floor and a wall, a fall down and to the right
// cannot start at all.
TEST_F(Movement, BlockedFallStopsBothComponentsAndEndsTheDrift) {
    floor(2800, 3200, 400);
    world.addLine(Vector2(3100, 200), Vector2(3100, 400));
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    walker.steer(false, true);
    for (int i = 0; i < 40; ++i)
        walker.gameTick();
    walker.steer(false, false);
    // The first pushes close what is left of the gaps kept to both lines.
    Vector2 before;
    for (int push = 0; push < 3; ++push) {
        before = walker.centre();
        walker.setVelocity(Vector2(3, 0));
        walker.setControlState(E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT);
        walker.gameTick();
    }
    EXPECT_EQ(walker.getVelocity().length(), 0);
    EXPECT_EQ(walker.getControlState(), E_CharacterGround::CTRL_PLATFORM);
    EXPECT_EQ(walker.centre().length(before), 0) << "moved";
}

struct Jump {
    const char* name;
    // Negative: no floor contact.
    double contact;
    E_CharacterGround::ControlState state;
};

// A tick of no length moves nothing, so a contact planted by the test is
// still the one the jump reads, and only unscaled impulses change the speed.
TEST_F(Movement, JumpIsStraightFromWalkableFloorAndAPushAwayFromSteepFloor) {
    const Jump jumps[] = {
        {"no floor contact", -1, E_CharacterGround::CTRL_PLATFORM},
        {"left walkable limit", PHYS_LEFT_LIMIT, E_CharacterGround::CTRL_PLATFORM},
        {"right walkable limit", PHYS_RIGHT_LIMIT, E_CharacterGround::CTRL_PLATFORM},
        {"steep, falling away left", 200, E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT},
        {"steep, falling away right", 340, E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_LEFT},
    };
    world.setTickFraction(0);
    for (const Jump& jump : jumps) {
        Walker& walker = spawn(Vector2(3000, 100));
        if (jump.contact >= 0)
            walker.plantFloorContact(jump.contact);
        walker.steer(false, false, true);
        walker.gameTick();
        const bool straight = jump.state == E_CharacterGround::CTRL_PLATFORM;
        const Vector2 expected = jump.contact < 0 ? Vector2(0, 0)
                                 : straight       ? Vector2(0, -10)
                                                  : Vector2(Degrees(jump.contact), 1.0) * -7.0;
        EXPECT_NEAR(walker.getVelocity().m_x, expected.m_x, 1e-9) << jump.name;
        EXPECT_NEAR(walker.getVelocity().m_y, expected.m_y, 1e-9) << jump.name;
        EXPECT_EQ(walker.getControlState(), jump.state) << jump.name;
        walker.destroy();
    }
}

// While the push of a slope jump lasts, walking on with it adds to the drift,
// walking back towards the slope is ignored; control returns when the drift
// is spent.
TEST_F(Movement, SlopeJumpDriftIgnoresWalkingBackUntilItEnds) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        Walker& walker = spawn(Vector2(3000, 100));
        walker.setVelocity(Vector2(side * 3, 0));
        walker.setControlState(side > 0 ? E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_RIGHT
                                        : E_CharacterGround::CTRL_PLATFORM_SLOPE_JUMP_LEFT);
        walker.steer(side<0, side> 0);
        walker.gameTick();
        EXPECT_NEAR(walker.centre().m_x, 3000 + side * (3 + 4), 1e-6);
        EXPECT_DOUBLE_EQ(walker.getVelocity().m_x, side * 2.5);

        walker.steer(side > 0, side < 0);
        for (int tick = 0; walker.getControlState() != E_CharacterGround::CTRL_PLATFORM; ++tick) {
            const double before = walker.centre().m_x;
            const double drift = walker.getVelocity().m_x;
            walker.gameTick();
            ASSERT_NEAR(walker.centre().m_x - before, drift, 1e-9) << "walked back while drifting";
            ASSERT_LT(tick, 10);
        }
        EXPECT_EQ(walker.getVelocity().m_x, 0);
        const double before = walker.centre().m_x;
        walker.gameTick();
        EXPECT_NEAR(walker.centre().m_x, before - side * 4, 1e-6) << "walking back must return";
        walker.destroy();
    }
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

// A floor contact steeply towards the side walked to stops the walk at once;
// one steeply on the other side is left behind by a horizontal step. Right
// wins when both walk keys are held, and a walk of nothing does nothing.
TEST_F(Movement, SteepFeetContactStopsTheWalkOnlyTowardsItsSide) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        Walker& walker = spawn(Vector2(3000, 100));
        walker.plantFloorContact(side > 0 ? 330 : 210);
        walker.walk(0, side > 0 ? -1 : +1);
        walker.walk(1e-8, side > 0 ? -1 : +1);
        walker.walk(4, side > 0 ? +1 : -1);
        EXPECT_EQ(walker.centre().m_x, 3000);
        walker.walk(4, side > 0 ? -1 : +1);
        EXPECT_NEAR(walker.centre().m_x, 3000 - side * 4, 1e-6);
        EXPECT_NEAR(walker.centre().m_y, 100, 1e-9);
        walker.destroy();
    }
    floor(2800, 3200, 400);
    Walker& walker = spawn(Vector2(3000, 200));
    settle(walker);
    walker.steer(true, true);
    walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x, 3004, 1e-6) << "both keys held";
}

// 27 degrees, rising towards the side walked to; its front side faces up.
TEST_F(Movement, WalkUpWalkableSlopeTakesShortStepsAndStaysOnIt) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        const double x = side > 0 ? 3000 : 6000;
        const Vector2 foot(x, 400), top(x + side * 400, 200);
        side > 0 ? world.addLine(top, foot) : world.addLine(foot, top);
        // A line far behind the walker that every search near it returns:
        // its retrieval counter counts the searches.
        const CollisionLine& witness = *new CollisionLine(
            &world.map(), Line2(Vector2(x - side * 50, 430), Vector2(x + side * 50, 430)));

        Walker& walker = spawn(Vector2(x + side * 100, 250));
        for (int i = 0; i < 200; ++i)
            walker.gameTick();
        ASSERT_EQ(walker.getVelocity().m_y, 0) << "the walker did not come to rest";
        const Vector2 start = walker.centre();
        const std::uint64_t searchesBefore = witness.getRetreivalCounter();
        walker.walk(4, side > 0 ? +1 : -1);

        const Vector2 along = (top - foot).normalize();
        EXPECT_NEAR((walker.centre() - start).length(), 4, 1e-3);
        EXPECT_NEAR((walker.centre() - start).dotProduct(along), 4, 1e-3);
        EXPECT_NEAR((walker.centre() - start).dotProduct(along.rNormal()), 0, 0.01) << "left it";
        // Every pass of at most 0.1 searches at least once.
        EXPECT_GE(witness.getRetreivalCounter() - searchesBefore, 40u);
    }
}

// Placed so that it lands with the corner under its outer lower quarter, the
// body once came to rest on the corner's point. Touching the corner, it must
// know it as its floor even though its fall did not stop there.
TEST_F(Movement, BodyRestingOnAConvexCornerPointSlidesOffIt) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        const Vector2 edge = blockWithEdge(side);
        Walker& walker = spawn(edge + Vector2(side * 12, -70));
        int tick = 0;
        while (walker.getCollisionPointCache().m_collisionBottomMostFloor == nullptr) {
            ASSERT_LT(++tick, 60) << "never touched the corner";
            walker.gameTick();
        }
        for (tick = 0; tick < 10; ++tick)
            walker.gameTick();
        EXPECT_GT((walker.centre().m_x - edge.m_x) * side, 16) << "still over the corner";
        EXPECT_GT(walker.getVelocity().m_y, 0) << "not falling";
    }
}

// The body walks onto the block's top over its edge from the wall side when
// it is lifted to the corner; that walk once held the body still.
TEST_F(Movement, WalkTowardsTheFloorBeyondACornerStepsOverIt) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        const Vector2 edge = blockWithEdge(side);
        Walker& walker = spawn(edge + Vector2(side * 12, -70));
        walker.steer(side > 0, side < 0);
        for (int tick = 0; tick < 30; ++tick)
            walker.gameTick();
        EXPECT_NEAR(walker.centre().m_y, 400 - 32, 0.01) << "not on the block's top";
        EXPECT_LT((walker.centre().m_x - edge.m_x) * side, -40);
    }
}

} // namespace
