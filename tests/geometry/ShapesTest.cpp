// Boxes, segments, ellipses, orientations and the two ray tests.
#include "Util/Shapes.h"
#include "Util/Orientation3.h"
#include "Util/RayTests.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectCorners(const Box2& box, double l, double t, double r, double b) {
    EXPECT_EQ(box.m_tl.m_x, l);
    EXPECT_EQ(box.m_tl.m_y, t);
    EXPECT_EQ(box.m_br.m_x, r);
    EXPECT_EQ(box.m_br.m_y, b);
}

TEST(Box2Construction, CornerConstructorArrangesEachAxis) {
    expectCorners(Box2(Vector2(5, 5), Vector2(1, 1)), 1, 1, 5, 5);
    expectCorners(Box2(Vector2(5, 1), Vector2(1, 5)), 1, 1, 5, 5);
    expectCorners(Box2(Line2(Vector2(4, 0), Vector2(2, 3))), 2, 0, 4, 3);
}

TEST(Box2Construction, OverlapBoxIsLeftUnarranged) {
    Box2 a(Vector2(0, 0), Vector2(2, 2));
    expectCorners(Box2(a, Box2(Vector2(1, 1), Vector2(3, 3))), 1, 1, 2, 2);
    Box2 apart(Box2(Vector2(0, 0), Vector2(1, 1)), Box2(Vector2(2, 2), Vector2(3, 3)));
    expectCorners(apart, 2, 2, 1, 1);
    expectCorners(apart.rearrange(), 1, 1, 2, 2);
}

TEST(Box2Construction, ConstRearrangeReturnsAnArrangedCopy) {
    const Box2 apart(Box2(Vector2(0, 0), Vector2(1, 1)), Box2(Vector2(2, 2), Vector2(3, 3)));
    expectCorners(apart.rearrange(), 1, 1, 2, 2);
    expectCorners(apart, 2, 2, 1, 1);
}

TEST(Box2Construction, EllipseBoundsAndMoves) {
    Box2 bounds(Ellipsoid2(Vector2(10, 20), Vector2(3, 4)));
    expectCorners(bounds, 7, 16, 13, 24);
    expectCorners(bounds + Vector2(1, -1), 8, 15, 14, 23);
    expectCorners(bounds - Vector2(7, 16), 0, 0, 6, 8);
    bounds += Vector2(0.5, 0.5);
    expectCorners(bounds, 7.5, 16.5, 13.5, 24.5);
}

TEST(Box2Intersect, TouchingCountsForBoxesAndPoints) {
    Box2 box(Vector2(0, 0), Vector2(10, 10));
    EXPECT_TRUE(box.intersect(Box2(Vector2(10, 0), Vector2(20, 10))));
    EXPECT_TRUE(box.intersect(Box2(Vector2(0, 10), Vector2(10, 20))));
    EXPECT_FALSE(box.intersect(Box2(Vector2(10.001, 0), Vector2(20, 10))));
    EXPECT_FALSE(box.intersect(Box2(Vector2(0, -5), Vector2(10, -0.1))));
    EXPECT_TRUE(box.intersect(Box2(Vector2(2, 2), Vector2(3, 3))));
    EXPECT_TRUE(box.intersect(Vector2(10, 5)));
    EXPECT_TRUE(box.intersect(Vector2(0, 0)));
    EXPECT_FALSE(box.intersect(Vector2(5, 10.5)));
    EXPECT_FALSE(box.intersect(Vector2(-0.5, 5)));
}

TEST(Line2, FromBoxIsTheDiagonal) {
    Line2 diagonal(Box2(Vector2(4, 4), Vector2(1, 2)));
    EXPECT_EQ(diagonal.m_a.m_x, 1.0);
    EXPECT_EQ(diagonal.m_a.m_y, 2.0);
    EXPECT_EQ(diagonal.m_b.m_x, 4.0);
    EXPECT_EQ(diagonal.m_b.m_y, 4.0);
}

TEST(Ellipsoid2Normal, AccountsForTheRadii) {
    Ellipsoid2 e(Vector2(0, 0), Vector2(2, 1));
    Vector2 side = e.normal(Vector2(2, 0));
    EXPECT_DOUBLE_EQ(side.m_x, 1.0);
    EXPECT_DOUBLE_EQ(side.m_y, 0.0);
    Vector2 slanted = e.normal(Vector2(1, 1));
    double len = std::sqrt(0.25 * 0.25 + 1.0);
    EXPECT_DOUBLE_EQ(slanted.m_x, 0.25 / len);
    EXPECT_DOUBLE_EQ(slanted.m_y, 1.0 / len);
    Vector2 centre = Ellipsoid2(Vector2(3, 3), Vector2(2, 1)).normal(Vector2(3, 3));
    EXPECT_EQ(centre.m_x, 0.0);
    EXPECT_EQ(centre.m_y, 0.0);
}

TEST(Orientation3, RadiansAreStoredAsDegrees) {
    Orientation3 o(Radians(3.14159), Vector3(0, 0, 1));
    EXPECT_DOUBLE_EQ(o.m_rotation.m_degrees, 180.0);
    EXPECT_EQ(o.m_axis.m_z, 1.0);
    EXPECT_EQ(Orientation3(Degrees(45), Vector3(1, 0, 0)).m_rotation.m_degrees, 45.0);
}

TEST(RayTracePlane2, ParameterInUnitsOfTheDirection) {
    EXPECT_EQ(rayTracePlane2(Vector2(0, 0), Vector2(0, 1), Vector2(0, 5), Vector2(0, -1)), 5.0);
    EXPECT_EQ(rayTracePlane2(Vector2(0, 0), Vector2(0, 2), Vector2(0, 5), Vector2(0, -1)), 2.5);
    EXPECT_EQ(rayTracePlane2(Vector2(0, 0), Vector2(0, 1), Vector2(0, -3), Vector2(0, 1)), -3.0)
        << "a line behind the origin gives a negative parameter";
}

TEST(RayTracePlane2, ParallelRayMisses) {
    EXPECT_EQ(rayTracePlane2(Vector2(0, 0), Vector2(1, 0), Vector2(0, 5), Vector2(0, -1)), -1.0);
}

TEST(RayTraceUnitCircle2, NearerCrossingOrMiss) {
    EXPECT_DOUBLE_EQ(rayTraceUnitCircle2(Vector2(-3, 0), Vector2(1, 0), Vector2(0, 0)), 2.0);
    EXPECT_EQ(rayTraceUnitCircle2(Vector2(-3, 2), Vector2(1, 0), Vector2(0, 0)), -1.0);
    EXPECT_DOUBLE_EQ(rayTraceUnitCircle2(Vector2(0, 0), Vector2(1, 0), Vector2(0, 0)), -1.0)
        << "from inside, the crossing behind the origin";
    EXPECT_DOUBLE_EQ(rayTraceUnitCircle2(Vector2(3, 0), Vector2(1, 0), Vector2(0, 0)), -4.0)
        << "a circle behind the origin";
    EXPECT_NEAR(rayTraceUnitCircle2(Vector2(-3, 0.6), Vector2(1, 0), Vector2(0, 0)), 2.2, 1e-12);
}

} // namespace
