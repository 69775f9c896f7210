// Bodies against corners and walls built by each test, on both sides: a body
// whose only support is a convex corner point slides off it, a body beside a
// wall with nothing under it falls along the wall past the wall's joints, and
// a body that lands exactly touching a floor still walks.
#include <gtest/gtest.h>
#include <string>

#include "CharacterWorld.h"
#include "Entities/CollisionLine.h"
#include "Walker.h"

namespace {

constexpr int LET_GO_TICKS = 10;

class Corner : public testing::TestWithParam<double> {
  protected:
    double side() const { return GetParam(); }
    Walker& spawn(const Vector2& centre, const Vector2& radius = WALKER_RADIUS) {
        return *new Walker(&world.map(), centre, radius);
    }
    void line(const Vector2& a, const Vector2& b) { new CollisionLine(&world.map(), Line2(a, b)); }
    // A block whose flat top at y 400 ends, on the side `side` points to, at
    // the edge x; below the edge a wall of `joints` + 1 segments drops to
    // y 1000. Walked from the top, the edge is a convex corner.
    void blockWithEdgeAt(double x, int joints) {
        const Vector2 inner(x - side() * 300, 400), edge(x, 400);
        side() > 0 ? line(edge, inner) : line(inner, edge);
        Vector2 from = edge;
        for (int i = 1; i <= joints + 1; ++i) {
            const Vector2 to(x, 400 + 600.0 * i / (joints + 1));
            side() > 0 ? line(from, to) : line(to, from);
            from = to;
        }
    }

    CharacterWorld world;
};

// Placed so that it lands with the corner under its outer lower quarter, the
// body once came to rest on the corner's point.
TEST_P(Corner, BodyRestingOnAConvexCornerPointSlidesOffIt) {
    blockWithEdgeAt(3000, 0);
    Walker& walker = spawn(Vector2(3000 + side() * 12, 330));
    int landedAt = -1;
    for (int tick = 0; tick < 60 && landedAt < 0; ++tick) {
        walker.gameTick();
        if (walker.getCollisionPointCache().m_collisionBottomMostFloor != nullptr)
            landedAt = tick;
    }
    ASSERT_GE(landedAt, 0) << "never touched the corner";
    for (int tick = 0; tick < LET_GO_TICKS; ++tick)
        walker.gameTick();
    EXPECT_GT((walker.centre().m_x - 3000) * side(), 16) << "still over the corner";
    EXPECT_GT(walker.getVelocity().m_y, 0) << "not falling";
}

// The wall is cut into six segments; each joint once held a body falling
// along it.
TEST_P(Corner, BodyBesideAWallWithNothingUnderItFallsPastItsJoints) {
    blockWithEdgeAt(3000, 5);
    Walker& walker = spawn(Vector2(3000 + side() * 16.0001, 500));
    double previous = walker.centre().m_y;
    for (int tick = 0; tick < 25; ++tick) {
        walker.steer(side() < 0, side() > 0);
        walker.gameTick();
        ASSERT_GT(walker.centre().m_y, previous) << "clings at " << walker.centre().m_y;
        previous = walker.centre().m_y;
    }
    EXPECT_GT(walker.centre().m_y, 600);
}

// The body walks onto the block's top over its edge from the wall side when
// it is lifted to the corner: the walk steps over the corner.
TEST_P(Corner, WalkTowardsTheFloorBeyondACornerStepsOverIt) {
    blockWithEdgeAt(3000, 0);
    Walker& walker = spawn(Vector2(3000 + side() * 12, 330));
    walker.steer(side() > 0, side() < 0);
    for (int tick = 0; tick < 30; ++tick)
        walker.gameTick();
    EXPECT_NEAR(walker.centre().m_y, 400 - 32, 0.01) << "not on the block's top";
    EXPECT_LT((walker.centre().m_x - 3000) * side(), -40);
}

// A body of radius (24, 12) that lands exactly touching the floor moved 0.1
// and then stood still with the walk key held.
TEST_P(Corner, FlatBodyLandingExactlyOnAFloorWalksOn) {
    line(Vector2(1000, 500), Vector2(0, 500));
    Walker& walker = spawn(Vector2(400.7, 477.5), Vector2(24, 12));
    // Falls 0.5, 1, ... 3: exactly the 10.5 units down to the floor.
    for (int tick = 0; tick < 6; ++tick)
        walker.gameTick();
    ASSERT_LT(walker.centre().m_y, 488) << "no gap kept";
    walker.gameTick();
    ASSERT_EQ(walker.getVelocity().m_y, 0) << "has not landed";
    const double start = walker.centre().m_x;
    walker.steer(side() < 0, side() > 0);
    for (int tick = 0; tick < 5; ++tick)
        walker.gameTick();
    EXPECT_NEAR(walker.centre().m_x - start, side() * 20, 1e-6);
    EXPECT_GT(walker.centre().m_y, 488 - 0.01);
    EXPECT_LT(walker.centre().m_y, 488);
}

INSTANTIATE_TEST_SUITE_P(BothSides, Corner, testing::Values(+1.0, -1.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return info.param > 0 ? std::string("edgeOnTheRight")
                                                   : std::string("edgeOnTheLeft");
                         });

} // namespace
