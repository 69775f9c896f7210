// morr2d's point and box math: directions with y down, the five-decimal pi,
// degree wrapping, and box overlap where touching is not overlapping.
#include "Util/PointMath.h"

#include <array>
#include <gtest/gtest.h>

namespace {

constexpr double TRUE_HALF_PI = 1.5707963267948966;
constexpr double TRUE_PI = 3.141592653589793;

// Directions come from atan2 (true pi), degrees from the five-decimal pi.
TEST(PointMath, DirectionsWithYDownAndDegreesOfTheFiveDecimalPi) {
    EXPECT_DOUBLE_EQ(pointDirection(0, 0, 0, -1), TRUE_HALF_PI) << "up";
    EXPECT_DOUBLE_EQ(pointDirection(0, 0, -1, 0), TRUE_PI) << "left is +pi, not -pi";
    EXPECT_DOUBLE_EQ(pointDirection(0, 0, 0, 1), -TRUE_HALF_PI) << "down, not wrapped";
    EXPECT_DOUBLE_EQ(pointDirection(2, 2, 3, 2), 0.0);
    EXPECT_DOUBLE_EQ(degToRad(180), 3.14159);
    EXPECT_DOUBLE_EQ(radToDeg(3.14159), 180.0);
    EXPECT_NEAR(radToDeg(TRUE_HALF_PI), 90.000076, 1e-6);
}

TEST(PointMath, DegreesWrapIntoOneTurn) {
    const std::array<std::array<double, 2>, 6> rows = {
        {{-30, 330}, {360, 0}, {725, 5}, {0, 0}, {-720, 0}, {359.5, 359.5}}};
    for (const auto& [degrees, wrapped] : rows)
        EXPECT_EQ(degConstrain(degrees), wrapped) << degrees;
}

TEST(PointMath, BoxesOverlapByInteriorAndPointsByTheHalfOpenBox) {
    struct Boxes {
        const char* name;
        std::array<double, 4> b;
        bool overlap;
    };
    const Boxes withTen[] = {{"sharing the right edge", {10, 0, 20, 10}, false},
                             {"sharing the bottom edge", {0, 10, 10, 20}, false},
                             {"overlapping a corner", {9.5, 9.5, 20, 20}, true},
                             {"contained", {2, 2, 3, 3}, true},
                             {"beside", {11, 2, 12, 3}, false}};
    for (const Boxes& row : withTen) {
        EXPECT_EQ(shapesIntersect(0, 0, 10, 10, row.b[0], row.b[1], row.b[2], row.b[3]),
                  row.overlap)
            << row.name;
        EXPECT_EQ(shapesIntersect(row.b[0], row.b[1], row.b[2], row.b[3], 0, 0, 10, 10),
                  row.overlap)
            << row.name << ", swapped";
    }
    const std::array<std::array<double, 3>, 5> points = {
        {{0, 0, 1}, {10, 5, 0}, {5, 10, 0}, {9.999, 9.999, 1}, {-0.001, 5, 0}}};
    for (const auto& [x, y, inside] : points)
        EXPECT_EQ(shapesIntersect(x, y, 0, 0, 10, 10), inside != 0) << x << ", " << y;
}

} // namespace
