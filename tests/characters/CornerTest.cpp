// Bodies against corners and walls built by each test, on both sides: a body
// whose only support is a convex corner point slides off it, a body beside a
// wall with nothing under it falls along the wall past the wall's joints, a
// walk steps over a corner. Each case once held a body still; the left-hand
// case is the mirror image of the right-hand one, built elsewhere in the same
// world. (A flat body landing exactly on a floor and walking on is a row of
// the joint walks: radius 24 x 12 falls exactly 68 onto every flat floor.)
#include <gtest/gtest.h>
#include <string>

#include "CragmoorWorld.h"

namespace {

class Corner : public testing::Test {
  protected:
    // Where the edge of the block for `side` lies: +1 the block's edge is on
    // its right, -1 on its left.
    static double edgeX(double side) { return side > 0 ? 3000 : 6000; }
    static std::string sideName(double side) {
        return side > 0 ? "edge on the right" : "edge on the left";
    }
    void line(double side, const Vector2& a, const Vector2& b) {
        side > 0 ? world.addLine(a, b) : world.addLine(b, a);
    }
    // A block whose flat top at y 400 ends at the edge; below the edge a wall
    // of `joints` + 1 segments drops to y 1000. Walked from the top, the edge
    // is a convex corner.
    void blockWithEdge(double side, int joints) {
        const double x = edgeX(side);
        const Vector2 edge(x, 400);
        line(side, edge, Vector2(x - side * 300, 400));
        Vector2 from = edge;
        for (int i = 1; i <= joints + 1; ++i) {
            const Vector2 to(x, 400 + 600.0 * i / (joints + 1));
            line(side, from, to);
            from = to;
        }
    }
    Walker& spawn(const Vector2& centre) { return *new Walker(&world.map(), centre); }

    CragmoorWorld world;
};

// Placed so that it lands with the corner under its outer lower quarter, the
// body once came to rest on the corner's point.
TEST_F(Corner, BodyRestingOnAConvexCornerPointSlidesOffIt) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        blockWithEdge(side, 0);
        Walker& walker = spawn(Vector2(edgeX(side) + side * 12, 330));
        int tick = 0;
        while (walker.getCollisionPointCache().m_collisionBottomMostFloor == nullptr) {
            ASSERT_LT(++tick, 60) << "never touched the corner";
            walker.gameTick();
        }
        for (tick = 0; tick < 10; ++tick)
            walker.gameTick();
        EXPECT_GT((walker.centre().m_x - edgeX(side)) * side, 16) << "still over the corner";
        EXPECT_GT(walker.getVelocity().m_y, 0) << "not falling";
    }
}

// The wall is cut into six segments; each joint once held a body falling
// along it.
TEST_F(Corner, BodyBesideAWallWithNothingUnderItFallsPastItsJoints) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        blockWithEdge(side, 5);
        Walker& walker = spawn(Vector2(edgeX(side) + side * 16.0001, 500));
        for (int tick = 0; tick < 25; ++tick) {
            const double previous = walker.centre().m_y;
            walker.steer(side<0, side> 0);
            walker.gameTick();
            ASSERT_GT(walker.centre().m_y, previous) << "clings at " << walker.centre().m_y;
        }
        EXPECT_GT(walker.centre().m_y, 600);
    }
}

// The body walks onto the block's top over its edge from the wall side when
// it is lifted to the corner: the walk steps over the corner.
TEST_F(Corner, WalkTowardsTheFloorBeyondACornerStepsOverIt) {
    for (const double side : {+1.0, -1.0}) {
        SCOPED_TRACE(sideName(side));
        blockWithEdge(side, 0);
        Walker& walker = spawn(Vector2(edgeX(side) + side * 12, 330));
        walker.steer(side > 0, side < 0);
        for (int tick = 0; tick < 30; ++tick)
            walker.gameTick();
        EXPECT_NEAR(walker.centre().m_y, 400 - 32, 0.01) << "not on the block's top";
        EXPECT_LT((walker.centre().m_x - edgeX(side)) * side, -40);
    }
}

} // namespace
