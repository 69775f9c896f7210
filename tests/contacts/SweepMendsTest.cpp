// The situations where a plain swept-circle search lets a character sink into
// the level, fall through it or stick to it: a fast fall, a line the body
// already touches or overlaps, a blocked movement answering a rounding residue,
// a ledge's end inside the body, and floors near the world's origin.
#include "Contacts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const Ellipsoid2 UNIT_CIRCLE(Vector2(0, 0), Vector2(1, 1));

// A floor across y whose front side faces up.
Line2 floorAt(double y, double left = -1000, double right = 1000) {
    return Line2(Vector2(right, y), Vector2(left, y));
}

TEST(FastFall, StopsOnFloorFarBelowTheBody) {
    const Ellipsoid2 body(Vector2(115.1, 208.4), Vector2(10, 30));
    const ContactSweep sweep =
        sweepEllipse(body, Vector2(0, 17.1), {Line2(Vector2(215.1, 242.4), Vector2(15.1, 242.4))});
    ASSERT_TRUE(sweep.found);
    EXPECT_NEAR(sweep.distance, 4 - 0.003, 1e-9);
    EXPECT_NEAR(sweep.point.m_normalDirection.m_degrees, 270, 1e-3);
}

TEST(OverlappedLine, MovementIntoItIsBlockedAtOnce) {
    for (double y : {0.25, 0.3}) {
        const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 2), {floorAt(y, -5, 5)});
        EXPECT_EQ(sweep.distance, 0) << y;
        EXPECT_FALSE(sweep.moved) << y;
        ASSERT_TRUE(sweep.found) << y;
        EXPECT_EQ(sweep.point.m_position.m_y, 1) << y;
        EXPECT_NEAR(sweep.point.m_normalDirection.m_degrees, 270, 1e-3) << y;
    }
}

TEST(OverlappedLine, MovementAwayFromItGoesTheFullDistance) {
    for (double y : {0.25, 0.3}) {
        const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, -2), {floorAt(y, -5, 5)});
        EXPECT_EQ(sweep.distance, 2) << y;
        EXPECT_FALSE(sweep.found) << y;
    }
}

TEST(OverlappedLine, MovementAlongItIsNotHeldBack) {
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(3, 0), {floorAt(0.25, -5, 5)});
    EXPECT_EQ(sweep.distance, 3);
    EXPECT_FALSE(sweep.found);
}

TEST(OverlappedLine, CentreJustBehindTheLineIsStillHeld) {
    // Within the 0.001 the search allows behind a line, moving further back is
    // blocked like any movement into the line.
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 2), {floorAt(-0.0005, -5, 5)});
    EXPECT_EQ(sweep.distance, 0);
}

// The fall of 68 ends exactly on the floor in one of its ticks: a hit at the
// movement's very end still stops it short by the kept gap.
TEST(TouchingFloor, FallEndingExactlyOnTheFloorKeepsTheGap) {
    // Gravity as a character applies it, with the tick fraction 1.
    Ellipsoid2 body(Vector2(400, 400), Vector2(16, 32));
    const std::vector<Line2> floor = {floorAt(500)};
    Vector2 velocity(0, 0);
    for (int tick = 0; tick < 60; ++tick) {
        velocity.m_y = std::min(velocity.m_y + 0.5, 16.0);
        const double distance = sweepEllipse(body, velocity, floor).distance;
        if (distance != 0)
            body.m_center += velocity.normalize() * distance;
        else
            velocity = Vector2(0, 0);
        ASSERT_LT(body.m_center.m_y, 468) << "tick " << tick;
    }
    EXPECT_GE(body.m_center.m_y, 468 - 32 * PHYS_AWAY_DIST - 1e-9);
    EXPECT_EQ(body.m_center.m_x, 400);
    EXPECT_EQ(velocity.m_y, 0);

    const ContactSweep up = sweepEllipse(body, Vector2(0, -10), floor);
    EXPECT_EQ(up.distance, 10);
    EXPECT_FALSE(up.found);
}

TEST(TouchingFloor, BodyLandingShortOfItRestsWithinTheKeptGap) {
    Ellipsoid2 body(Vector2(400, 401.3), Vector2(16, 32));
    const std::vector<Line2> floor = {floorAt(500)};
    Vector2 velocity(0, 0);
    for (int tick = 0; tick < 60; ++tick) {
        velocity.m_y = std::min(velocity.m_y + 0.5, 16.0);
        const double distance = sweepEllipse(body, velocity, floor).distance;
        if (distance != 0)
            body.m_center += velocity.normalize() * distance;
        else
            velocity = Vector2(0, 0);
    }
    EXPECT_LT(body.m_center.m_y, 468);
    EXPECT_GE(body.m_center.m_y, 468 - 32 * PHYS_AWAY_DIST);
    EXPECT_EQ(sweepEllipse(body, Vector2(0, -10), floor).distance, 10);
}

TEST(BlockedSearch, AnswersExactlyZeroNotARoundingResidue) {
    const Ellipsoid2 body(Vector2(124.2, 129.5), Vector2(24, 12));
    const ContactSweep sweep = sweepEllipse(body, Vector2(0, 0.5), {floorAt(141.5006)});
    EXPECT_EQ(sweep.distance, 0.0);
    EXPECT_FALSE(sweep.moved);
    EXPECT_TRUE(sweep.found);
}

TEST(BlockedSearch, WalkIntoNearWallAnswersExactlyZero) {
    const Ellipsoid2 body(Vector2(123.4, 129.5), Vector2(13.7, 32));
    const Line2 wall(Vector2(137.1011, 0), Vector2(137.1011, 300));
    const ContactSweep sweep = sweepEllipse(body, Vector2(0.1, 0), {wall});
    EXPECT_EQ(sweep.distance, 0.0);
    EXPECT_TRUE(sweep.found);
}

TEST(LedgeEnd, EndInsideTheBodyStillBlocksFallingOntoIt) {
    // The ledge's end (0.3, 0.5) lies inside the circle; its face does not
    // reach below the centre.
    const Line2 ledge(Vector2(5, 0.5), Vector2(0.3, 0.5));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(0, 2), {ledge});
    EXPECT_EQ(sweep.distance, 0);
    EXPECT_TRUE(sweep.found);
}

TEST(LedgeEnd, EndInsideTheBodyLetsItStepOffTheLedge) {
    const Line2 ledge(Vector2(5, 0.5), Vector2(0.3, 0.5));
    const ContactSweep sweep = sweepEllipse(UNIT_CIRCLE, Vector2(-2, 0.4), {ledge});
    EXPECT_FALSE(sweep.found);
    EXPECT_DOUBLE_EQ(sweep.distance, Vector2(-2, 0.4).length());
}

TEST(LedgeEnd, CornerTouchedOnlyAtItsEndBlocksSlidingOntoIt) {
    // The circle rests against the ledge's corner from beside it: moving along
    // the floor's direction would push the corner into the body.
    const Ellipsoid2 beside(Vector2(-0.6, -0.8), Vector2(1, 1));
    const Line2 ledge(Vector2(5, 0), Vector2(0, 0));
    EXPECT_EQ(sweepEllipse(beside, Vector2(1, 0), {ledge}).distance, 0);
    EXPECT_EQ(sweepEllipse(beside, Vector2(-1, 0), {ledge}).distance, 1);
    EXPECT_EQ(sweepEllipse(beside, Vector2(0, -1), {ledge}).distance, 1);
}

TEST(FloorNearOrigin, TerminalVelocityFallStopsOnIt) {
    // Near the origin the point where the body meets the floor's line comes
    // out one rounding step above or below that line; it must still count as
    // on the floor rather than beside it.
    const Ellipsoid2 body(Vector2(400, -46.6), Vector2(16, 32));
    const ContactSweep sweep =
        sweepEllipse(body, Vector2(0, 16), {Line2(Vector2(600, 0.4), Vector2(200, 0.4))});
    ASSERT_TRUE(sweep.found);
    EXPECT_NEAR(sweep.distance, 15 - 32 * PHYS_AWAY_DIST, 1e-9);
}

} // namespace
