// Plane and space vectors: angle constructors, products, normals, projection.
#include "Util/Vector2.h"
#include "Util/Vector3.h"

#include <gtest/gtest.h>

namespace {

void expectVector(const Vector2& v, double x, double y, double tolerance = 1e-12) {
    EXPECT_NEAR(v.m_x, x, tolerance);
    EXPECT_NEAR(v.m_y, y, tolerance);
}

TEST(Vector2FromAngle, PointsAlongTheAngleWithYUp) {
    expectVector(Vector2(Radians(0), 5), 5, 0);
    Vector2 up(Degrees(90), 1);
    EXPECT_NEAR(up.m_x, 1.3267949e-6, 1e-13) << "the five-decimal pi leaves a trace";
    EXPECT_NEAR(up.m_y, -0.9999999999991198, 1e-15);
    expectVector(Vector2(Degrees(180), 2), -2, 0, 1e-5);
}

TEST(Vector2Normalize, ScalesToUnitLengthAndLeavesZeroAlone) {
    expectVector(Vector2(3, 4).normalize(), 0.6, 0.8);
    Vector2 zero = Vector2(0, 0).normalize();
    EXPECT_EQ(zero.m_x, 0.0);
    EXPECT_EQ(zero.m_y, 0.0);
}

TEST(Vector2Products, CrossDotAndNormals) {
    EXPECT_EQ(Vector2(1, 0).crossProduct(Vector2(0, 1)), 1.0);
    EXPECT_EQ(Vector2(0, 1).crossProduct(Vector2(1, 0)), -1.0);
    EXPECT_EQ(Vector2(2, 3).dotProduct(Vector2(4, -5)), -7.0);
    expectVector(Vector2(1, 0).rNormal(), 0, 1);
    expectVector(Vector2(1, 0).lNormal(), 0, -1);
}

TEST(Vector2Products, ProjectionOntoThisVector) {
    expectVector(Vector2(2, 0).project(Vector2(3, 4)), 3, 0);
    expectVector(Vector2(1, 1).project(Vector2(2, 0)), 1, 1);
}

TEST(Vector2Arithmetic, ComponentwiseBetweenVectorsAndScaledByDoubles) {
    expectVector(Vector2(1, 2) + Vector2(3, 5), 4, 7);
    expectVector(Vector2(1, 2) - Vector2(3, 5), -2, -3);
    expectVector(Vector2(2, 3) * Vector2(4, 5), 8, 15);
    expectVector(Vector2(8, 9) / Vector2(2, 3), 4, 3);
    expectVector(Vector2(1, -2) * 3.0, 3, -6);
    expectVector(Vector2(3, -6) / 3.0, 1, -2);
    Vector2 v(1, 1);
    (v += Vector2(1, 2)) *= 2.0;
    expectVector(v, 4, 6);
}

TEST(Vector2Measure, LengthDistanceAndDirection) {
    EXPECT_EQ(Vector2(3, 4).length(), 5.0);
    EXPECT_EQ(Vector2(1, 1).length(Vector2(4, 5)), 5.0);
    EXPECT_NEAR(Vector2(0, -2).direction().m_radians, 1.5707963267948966, 1e-15);
    EXPECT_NEAR(Vector2(5, 5).direction(Vector2(5, 6)).m_radians, 4.7123837, 5e-8)
        << "towards larger y is down on screen";
}

TEST(Vector3, ProductsAndNormalize) {
    Vector3 c = Vector3(1, 0, 0).crossProduct(Vector3(0, 1, 0));
    EXPECT_EQ(c.m_x, 0.0);
    EXPECT_EQ(c.m_y, 0.0);
    EXPECT_EQ(c.m_z, 1.0);
    Vector3 d = Vector3(0, 0, 1).crossProduct(Vector3(1, 0, 0));
    EXPECT_EQ(d.m_y, 1.0);
    EXPECT_EQ(Vector3(1, 2, 3).dotProduct(Vector3(4, -5, 6)), 12.0);
    Vector3 n = Vector3(0, 3, 4).normalize();
    EXPECT_DOUBLE_EQ(n.m_y, 0.6);
    EXPECT_DOUBLE_EQ(n.m_z, 0.8);
    EXPECT_EQ(Vector3().normalize().length(), 0.0);
}

TEST(Vector3, ArithmeticAndDistance) {
    Vector3 v = (Vector3(1, 2, 3) + Vector3(1, 1, 1)) * Vector3(2, 3, 4) / 2.0;
    EXPECT_EQ(v.m_x, 2.0);
    EXPECT_EQ(v.m_y, 4.5);
    EXPECT_EQ(v.m_z, 8.0);
    EXPECT_EQ(Vector3(1, 1, 1).length(Vector3(3, 4, 7)), 7.0);
    Vector3 w(6, 6, 6);
    (w -= Vector3(1, 2, 3)) /= Vector3(5, 4, 3);
    EXPECT_EQ(w.m_x, 1.0);
    EXPECT_EQ(w.m_y, 1.0);
    EXPECT_EQ(w.m_z, 1.0);
}

} // namespace
