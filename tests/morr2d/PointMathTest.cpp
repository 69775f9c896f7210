// morr2d's point and box math: directions with y down, the five-decimal pi,
// degree wrapping, and box overlap where touching is not overlapping.
#include "Util/PointMath.h"

#include <gtest/gtest.h>

namespace {

constexpr double TRUE_HALF_PI = 1.5707963267948966;
constexpr double TRUE_PI = 3.141592653589793;

TEST(PointDirection, UpLeftAndDownOnScreen) {
    EXPECT_DOUBLE_EQ(pointDirection(0, 0, 0, -1), TRUE_HALF_PI);
    EXPECT_DOUBLE_EQ(pointDirection(0, 0, -1, 0), TRUE_PI) << "left is +pi, not -pi";
    EXPECT_DOUBLE_EQ(pointDirection(0, 0, 0, 1), -TRUE_HALF_PI) << "not wrapped";
    EXPECT_DOUBLE_EQ(pointDirection(2, 2, 3, 2), 0.0);
}

TEST(PointDistance, EuclideanBetweenTwoPoints) {
    EXPECT_DOUBLE_EQ(pointDistance(1, 1, 4, 5), 5.0);
    EXPECT_DOUBLE_EQ(pointDistance(4, 5, 1, 1), 5.0);
    EXPECT_EQ(pointDistance(2, 2, 2, 2), 0.0);
}

TEST(AngleConversion, UsesTheFiveDecimalPi) {
    EXPECT_DOUBLE_EQ(degToRad(180), 3.14159);
    EXPECT_DOUBLE_EQ(degToRad(90), 1.570795);
    EXPECT_DOUBLE_EQ(radToDeg(3.14159), 180.0);
    EXPECT_NEAR(radToDeg(TRUE_HALF_PI), 90.000076, 1e-6);
}

TEST(VectorComponents, YIsNegatedForScreenCoordinates) {
    EXPECT_DOUBLE_EQ(xVector(0, 5), 5.0);
    EXPECT_EQ(yVector(0, 5), 0.0);
    EXPECT_NEAR(yVector(degToRad(90), 1), -1.0, 1e-11);
    EXPECT_NEAR(xVector(degToRad(90), 1), 1.3267949e-6, 1e-13);
    EXPECT_NEAR(yVector(degToRad(270), 2), 2.0, 1e-10);
}

TEST(DegConstrain, WrapsIntoOneTurn) {
    EXPECT_EQ(degConstrain(-30), 330.0);
    EXPECT_EQ(degConstrain(360), 0.0);
    EXPECT_EQ(degConstrain(725), 5.0);
    EXPECT_EQ(degConstrain(0), 0.0);
    EXPECT_EQ(degConstrain(-720), 0.0);
    EXPECT_EQ(degConstrain(359.5), 359.5);
}

TEST(BoxesIntersect, SharedInteriorOnly) {
    EXPECT_FALSE(shapesIntersect(0, 0, 10, 10, 10, 0, 20, 10)) << "a shared edge is no overlap";
    EXPECT_FALSE(shapesIntersect(0, 0, 10, 10, 0, 10, 10, 20));
    EXPECT_FALSE(shapesIntersect(10, 0, 20, 10, 0, 0, 10, 10));
    EXPECT_TRUE(shapesIntersect(0, 0, 10, 10, 9.5, 9.5, 20, 20));
    EXPECT_TRUE(shapesIntersect(0, 0, 10, 10, 2, 2, 3, 3)) << "containment overlaps";
    EXPECT_FALSE(shapesIntersect(0, 0, 10, 10, 11, 2, 12, 3));
}

TEST(PointInBox, LeftAndTopEdgesBelongRightAndBottomDoNot) {
    EXPECT_TRUE(shapesIntersect(0, 0, 0, 0, 10, 10));
    EXPECT_FALSE(shapesIntersect(10, 5, 0, 0, 10, 10));
    EXPECT_FALSE(shapesIntersect(5, 10, 0, 0, 10, 10));
    EXPECT_TRUE(shapesIntersect(9.999, 9.999, 0, 0, 10, 10));
    EXPECT_FALSE(shapesIntersect(-0.001, 5, 0, 0, 10, 10));
}

TEST(BoxOverlap, WritesTheOverlapRectangle) {
    double l = 0, t = 0, r = 0, b = 0;
    shapeIntersection(0, 0, 10, 10, 5, 5, 20, 20, &l, &t, &r, &b);
    EXPECT_EQ(l, 5.0);
    EXPECT_EQ(t, 5.0);
    EXPECT_EQ(r, 10.0);
    EXPECT_EQ(b, 10.0);

    shapeIntersection(5, 0, 20, 4, 0, 2, 10, 10, &l, &t, &r, &b);
    EXPECT_EQ(l, 5.0);
    EXPECT_EQ(t, 2.0);
    EXPECT_EQ(r, 10.0);
    EXPECT_EQ(b, 4.0);

    shapeIntersection(0, 0, 1, 1, 2, 2, 3, 3, &l, &t, &r, &b);
    EXPECT_GT(l, r) << "disjoint boxes give an inverted rectangle";
    EXPECT_GT(t, b);
}

} // namespace
