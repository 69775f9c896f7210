// The contact search in the situations a character meets: a floor ahead, a
// line seen from behind, the end of a ledge, a wall in front of a wide body,
// standing still, and several lines hit at about the same distance.
#include "Contacts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Ellipsoid2 UNIT_CIRCLE(Vector2(0, 0), Vector2(1, 1));
// A floor across y = 3 whose front side faces up, towards the circle.
const Line2 FLOOR_AT_3(Vector2(5, 3), Vector2(-5, 3));

TEST(SweepOntoLine, CircleFallingOntoFloorStopsJustShortOfIt) {
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5), {FLOOR_AT_3});
    EXPECT_NEAR(sweep.distance, 2 - PHYS_AWAY_DIST, 1e-12);
    EXPECT_TRUE(sweep.moved);
    ASSERT_TRUE(sweep.found);
    EXPECT_DOUBLE_EQ(sweep.point.m_position.m_x, 0);
    EXPECT_DOUBLE_EQ(sweep.point.m_position.m_y, 1);
    EXPECT_DOUBLE_EQ(sweep.point.m_normal.m_x, 0);
    EXPECT_DOUBLE_EQ(sweep.point.m_normal.m_y, 1);
    // 270 as the five-decimal pi gives it.
    EXPECT_NEAR(sweep.point.m_normalDirection.m_degrees, 269.99992, 5e-6);
    EXPECT_FALSE(sweep.point.m_inside);
    EXPECT_EQ(sweep.point.m_line.m_a.m_x, 5);
    EXPECT_EQ(sweep.point.m_line.m_b.m_x, -5);
}

TEST(SweepOntoLine, LineFacingAwayIsPassedThrough) {
    const Line2 backwards(FLOOR_AT_3.m_b, FLOOR_AT_3.m_a);
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5), {backwards});
    EXPECT_FALSE(sweep.found);
    EXPECT_TRUE(sweep.moved);
    EXPECT_EQ(sweep.distance, 5);
}

TEST(SweepOntoLine, MovementShorterThanTheGapIsNotHeldBack) {
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 1.5), {FLOOR_AT_3});
    EXPECT_FALSE(sweep.found);
    EXPECT_EQ(sweep.distance, 1.5);
}

TEST(SweepOntoLine, WallMissedByItsFaceIsHitAtItsEndPoint) {
    // A wall facing left that ends at y = 0.6, below the height of the centre:
    // the circle's front point passes above it, its lower right part does not.
    const Line2 wall(Vector2(3, 0.6), Vector2(3, 5));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(5, 0), {wall});
    ASSERT_TRUE(sweep.found);
    EXPECT_NEAR(sweep.distance, 2.2 - PHYS_AWAY_DIST, 1e-12);
    EXPECT_NEAR(sweep.point.m_position.m_x, 0.8, 1e-12);
    EXPECT_NEAR(sweep.point.m_position.m_y, 0.6, 1e-12);
    EXPECT_NEAR(sweep.point.m_normal.m_x, 0.8, 1e-12);
    EXPECT_NEAR(sweep.point.m_normal.m_y, 0.6, 1e-12);
    EXPECT_NEAR(sweep.point.m_normalDirection.m_degrees, 323.13007, 1e-5);
}

TEST(SweepOntoLine, EndOfLedgeCuttingTheCircleIsHitAtItsEndPoint) {
    // The ledge's line runs through the circle, but the ledge itself starts
    // ahead of it: the circle slides on until it meets the ledge's end.
    const Line2 ledge(Vector2(10, 0.5), Vector2(3, 0.5));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(5, 0), {ledge});
    ASSERT_TRUE(sweep.found);
    const double reach = std::sqrt(0.75);
    EXPECT_NEAR(sweep.distance, 3 - reach - PHYS_AWAY_DIST, 1e-12);
    EXPECT_NEAR(sweep.point.m_position.m_x, reach, 1e-12);
    EXPECT_NEAR(sweep.point.m_position.m_y, 0.5, 1e-12);
}

TEST(SweepOntoLine, EndPointBesideTheSweptBandIsMissed) {
    const Line2 wall(Vector2(3, 1.2), Vector2(3, 5));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(5, 0), {wall});
    EXPECT_FALSE(sweep.found);
    EXPECT_EQ(sweep.distance, 5);
}

TEST(SweepOntoLine, LineBeyondTheMovementIsNotFound) {
    const ContactSweep sweep =
        sweepEllipse(UNIT_CIRCLE, Vector2(0, 2), {Line2(Vector2(5, 3.01), Vector2(-5, 3.01))});
    EXPECT_FALSE(sweep.found);
    EXPECT_EQ(sweep.distance, 2);
}

TEST(SweepOntoLine, WideEllipseKeepsTheGapInItsOwnScale) {
    // The gap kept free is 0.0001 of the radius along the movement: 0.0002 here.
    const Ellipsoid2 wide(Vector2(0, 0), Vector2(2, 1));
    const ContactSweep sweep =
        sweepEllipse(wide, Vector2(5, 0), {Line2(Vector2(6, -10), Vector2(6, 10))});
    EXPECT_NEAR(sweep.distance, 4 - 0.0002, 1e-12);
    ASSERT_TRUE(sweep.found);
    EXPECT_DOUBLE_EQ(sweep.point.m_position.m_x, 2);
    EXPECT_DOUBLE_EQ(sweep.point.m_position.m_y, 0);
    EXPECT_DOUBLE_EQ(sweep.point.m_normal.m_x, 1);
    EXPECT_DOUBLE_EQ(sweep.point.m_normal.m_y, 0);
    EXPECT_EQ(sweep.point.m_normalDirection.m_degrees, 0);
}

TEST(SweepOntoLine, SlopedFloorGivesTheSlopesNormal) {
    // A floor rising to the right at 45 degrees, below and right of the circle.
    const Line2 slope(Vector2(10, -5), Vector2(0, 5));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 10), {slope});
    ASSERT_TRUE(sweep.found);
    const double half = std::sqrt(0.5);
    EXPECT_NEAR(sweep.point.m_normal.m_x, half, 1e-12);
    EXPECT_NEAR(sweep.point.m_normal.m_y, half, 1e-12);
    EXPECT_NEAR(sweep.point.m_normalDirection.m_degrees, 315, 1e-3);
    // The circle meets the slope x + y = 5 when its lowest-right point
    // (half, half) has moved down by 5 - 2 * half.
    EXPECT_NEAR(sweep.distance, 5 - 2 * half - PHYS_AWAY_DIST, 1e-12);
}

TEST(StandingStill, ZeroVelocityFindsNothingAndAnswersZero) {
    const std::vector<Line2> around = {FLOOR_AT_3, Line2(Vector2(5, 1), Vector2(-5, 1)),
                                       Line2(Vector2(5, 0.5), Vector2(-5, 0.5))};
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 0), around);
    EXPECT_FALSE(sweep.found);
    EXPECT_FALSE(sweep.moved);
    EXPECT_EQ(sweep.distance, 0);
}

TEST(StandingStill, MovementBelowPhysZeroIsNoMovement) {
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5e-8), {});
    EXPECT_FALSE(sweep.moved);
    EXPECT_EQ(sweep.distance, 0);
}

TEST(TieBreak, EarliestOfLinesHitAtTheSameDistanceWins) {
    const Line2 left(Vector2(0.5, 3), Vector2(-5, 3));
    const Line2 right(Vector2(5, 3), Vector2(-0.5, 3));
    ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5), {left, right});
    ASSERT_TRUE(sweep.found);
    EXPECT_EQ(sweep.point.m_line.m_a.m_x, 0.5);
    sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5), {right, left});
    EXPECT_EQ(sweep.point.m_line.m_a.m_x, 5);
}

TEST(TieBreak, LaterLineNearerByLessThanTheGapLoses) {
    const Line2 first(Vector2(5, 3.00005), Vector2(-5, 3.00005));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5), {first, FLOOR_AT_3});
    ASSERT_TRUE(sweep.found);
    EXPECT_EQ(sweep.point.m_line.m_a.m_y, 3.00005);
    // The nearer line is not taken, yet the kept distance still clears it.
    EXPECT_LT(1 + sweep.distance, 3);
}

TEST(TieBreak, LaterLineNearerByMoreThanTheGapWins) {
    const Line2 first(Vector2(5, 3.001), Vector2(-5, 3.001));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 5), {first, FLOOR_AT_3});
    ASSERT_TRUE(sweep.found);
    EXPECT_EQ(sweep.point.m_line.m_a.m_y, 3);
    EXPECT_NEAR(sweep.distance, 2 - PHYS_AWAY_DIST, 1e-12);
}

} // namespace
