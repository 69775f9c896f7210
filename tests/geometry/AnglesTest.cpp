// Angles: direction of vectors with the five-decimal pi, wrapping, and plain
// (never wrapping, never tolerant) arithmetic and comparison.
#include "Util/Angles.h"
#include "Util/Vector2.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Tight enough to tell the five-decimal pi from the true one (they differ in
// the sixth significant digit of every converted angle).
constexpr double TIGHT = 5e-8;

TEST(RadiansFromVector, UpRightLeftAndDownOnScreen) {
    EXPECT_NEAR(Radians(Vector2(0, -1)).m_radians, 1.5707963267948966, 1e-15);
    EXPECT_NEAR(Radians(Vector2(0, 1)).m_radians, 4.7123837, TIGHT)
        << "-pi/2 must wrap by adding 6.28318, not 2 pi";
    EXPECT_NEAR(Radians(Vector2(-1, 0)).m_radians, 3.1415873, TIGHT)
        << "atan2 of the negated zero y gives -pi, wrapped by 6.28318";
}

TEST(RadiansFromVector, PointingRightIsANegativeZeroLeftAlone) {
    Radians right(Vector2(1, 0));
    EXPECT_EQ(right.m_radians, 0.0);
    EXPECT_TRUE(std::signbit(right.m_radians));
}

TEST(DegreesFromVector, ShowTheFiveDecimalPi) {
    EXPECT_NEAR(Degrees(Vector2(0, -1)).m_degrees, 90.000076, 1e-6);
    EXPECT_NEAR(Degrees(Vector2(-1, 0)).m_degrees, 179.99985, 1e-5);
    EXPECT_NEAR(Degrees(Vector2(0, 1)).m_degrees, 269.99992, 1e-5);
}

TEST(AngleConversion, RoundTripsThroughTheSamePi) {
    EXPECT_DOUBLE_EQ(Degrees(90).toRadians().m_radians, 1.570795);
    EXPECT_DOUBLE_EQ(Radians(3.14159).toDegrees().m_degrees, 180.0);
}

TEST(AngleConstrain, WrapsIntoOneTurnAndReturnsTheNewValue) {
    Degrees many(720);
    EXPECT_EQ(many.constrain(), Degrees(0));
    EXPECT_EQ(many.m_degrees, 0.0) << "constrain works in place";
    EXPECT_EQ(Degrees(-30).constrain(), 330.0);
    EXPECT_EQ(Degrees(360).constrain(), 0.0);
    EXPECT_EQ(Degrees(0).constrain(), 0.0);
    EXPECT_EQ(Degrees(-1080.5).constrain(), 359.5);
}

TEST(AngleConstrain, RadiansWrapByTheFiveDecimalTurn) {
    EXPECT_EQ(Radians(6.28318).constrain(), 0.0);
    EXPECT_NEAR(Radians(7.0).constrain().m_radians, 7.0 - 6.28318, 1e-12);
    EXPECT_NEAR(Radians(-1.0).constrain().m_radians, 5.28318, 1e-12);
}

TEST(AngleArithmetic, NeverWrapsByItself) {
    EXPECT_EQ((Degrees(10) + Degrees(355)).m_degrees, 365.0);
    EXPECT_EQ((Degrees(10) - 20.0).m_degrees, -10.0);
    EXPECT_EQ((Radians(2) * 3.0).m_radians, 6.0);
    EXPECT_EQ((Degrees(90) / Degrees(2)).m_degrees, 45.0);
}

TEST(AngleArithmetic, CompoundOperatorsChangeInPlaceAndReturnTheObject) {
    Degrees a(10);
    (a += 5) *= 2.0;
    EXPECT_EQ(a.m_degrees, 30.0);
    a -= Degrees(40);
    EXPECT_EQ(a.m_degrees, -10.0);
    a /= -5.0;
    EXPECT_EQ(a.m_degrees, 2.0);
}

TEST(AngleComparison, IsExactAndPlain) {
    EXPECT_FALSE(Degrees(0.1 + 0.2) == Degrees(0.3));
    EXPECT_TRUE(Degrees(0.1 + 0.2) != 0.3);
    EXPECT_TRUE(Degrees(1) < Degrees(2));
    EXPECT_TRUE(Degrees(2) >= 2.0);
    EXPECT_TRUE(Radians(-1) <= -1.0);
    EXPECT_FALSE(Radians(-1) > 0.0);
    EXPECT_FALSE(Degrees(NAN) == Degrees(NAN));
}

} // namespace
