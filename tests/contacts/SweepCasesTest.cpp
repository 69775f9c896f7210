// The contact search in the situations a character meets (a floor ahead, a
// line seen from behind, the end of a ledge, a wall in front of a wide body,
// standing still, lines hit at about the same distance) and in those where a
// plain swept-circle search once let a character sink into the level, fall
// through it or stick to it: a fast fall, a line the body already touches or
// overlaps, a blocked movement answering a rounding residue, a ledge's end
// inside the body, floors near the world's origin.
#include "Contacts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

const double HALF = std::sqrt(0.5);
const double NONE = NAN;

Line2 seg(double ax, double ay, double bx, double by) {
    return Line2(Vector2(ax, ay), Vector2(bx, by));
}
// A floor across y whose front side faces up.
Line2 floorAt(double y, double left = -5, double right = 5) {
    return seg(right, y, left, y);
}

struct SweepCase {
    std::string name;
    Ellipsoid2 ellipse;
    Vector2 velocity;
    std::vector<Line2> lines;
    double distance;
    // The line hit, -1 for none; then where the ellipse touches it and the
    // direction of its normal there (NONE: not checked).
    int hit = -1;
    Vector2 contact = Vector2(NONE, NONE);
    double direction = NONE;
};

class Sweep : public testing::TestWithParam<SweepCase> {};

TEST_P(Sweep, GoesAsFarAsTheLinesLetAndReportsTheContact) {
    const SweepCase& c = GetParam();
    const ContactSweep sweep = sweepEllipse(c.ellipse, c.velocity, c.lines);
    // A blocked search answers exactly 0, an unhindered one exactly the
    // movement's length.
    if (c.distance == 0 || c.hit < 0) {
        EXPECT_EQ(sweep.distance, c.distance);
    } else {
        EXPECT_NEAR(sweep.distance, c.distance, 1e-9);
    }
    EXPECT_EQ(sweep.moved, c.distance > 0);
    ASSERT_EQ(sweep.found, c.hit >= 0);
    if (!sweep.found)
        return;
    const Line2& line = c.lines[std::size_t(c.hit)];
    EXPECT_EQ(sweep.point.m_line.m_a.length(line.m_a) + sweep.point.m_line.m_b.length(line.m_b), 0)
        << "another line taken";
    EXPECT_FALSE(sweep.point.m_inside);
    if (!std::isnan(c.contact.m_x)) {
        EXPECT_NEAR(sweep.point.m_position.m_x, c.contact.m_x, 1e-12);
        EXPECT_NEAR(sweep.point.m_position.m_y, c.contact.m_y, 1e-12);
    }
    EXPECT_TRUE(std::isnan(c.direction) ||
                std::abs(sweep.point.m_normalDirection.m_degrees - c.direction) < 1e-3)
        << "normal direction " << sweep.point.m_normalDirection.m_degrees;
}

const Line2 FLOOR_AT_3 = floorAt(3);
const Line2 LEDGE = seg(5, 0.5, 0.3, 0.5);
// The unit circle.
const Ellipsoid2 U(Vector2(0, 0), Vector2(1, 1));
// Resting against the corner of a ledge from beside it.
const Ellipsoid2 BESIDE_CORNER(Vector2(-0.6, -0.8), Vector2(1, 1));
const double GAP = PHYS_AWAY_DIST;

// clang-format off
const SweepCase CASES[] = {
    // Situations
    {"FallOntoFloorStopsJustShortOfIt", U, {0, 5}, {FLOOR_AT_3}, 2 - GAP, 0, {0, 1}, 270},
    {"LineFacingAwayIsPassedThrough", U, {0, 5}, {floorAt(3, 5, -5)}, 5},
    // Lines collide from their front only, even one cutting the body.
    {"LineHalfARadiusBehindTheCentreIsPassed", U, {0, 2}, {floorAt(-0.5)}, 2},
    {"MovementShorterThanTheGap", U, {0, 1.5}, {FLOOR_AT_3}, 1.5},
    {"LineBeyondTheMovement", U, {0, 2}, {floorAt(3.01)}, 2},
    // The circle's front point passes above the wall's end at 0.6, its lower
    // right part does not.
    {"WallMissedByItsFaceIsHitAtItsEndPoint", U, {5, 0}, {seg(3, 0.6, 3, 5)}, 2.2 - GAP, 0,
     {0.8, 0.6}, 323.13007},
    {"EndPointBesideTheSweptBandIsMissed", U, {5, 0}, {seg(3, 1.2, 3, 5)}, 5},
    // The ledge's line runs through the circle, the ledge starts ahead of it.
    {"EndOfLedgeCuttingTheCircleIsHitAtItsEndPoint", U, {5, 0}, {seg(10, 0.5, 3, 0.5)},
     3 - std::sqrt(0.75) - GAP, 0, {std::sqrt(0.75), 0.5}},
    // The gap kept is 0.0001 of the radius along the movement.
    {"WideEllipseKeepsTheGapInItsOwnScale", Ellipsoid2({0, 0}, {2, 1}), {5, 0},
     {seg(6, -10, 6, 10)}, 4 - 2 * GAP, 0, {2, 0}, 0},
    {"SlopedFloorGivesTheSlopesNormal", U, {0, 10}, {seg(10, -5, 0, 5)}, 5 - 2 * HALF - GAP, 0,
     {HALF, HALF}, 315},
    {"ZeroVelocityFindsNothing", U, {0, 0}, {FLOOR_AT_3, floorAt(1), floorAt(0.5)}, 0},
    {"MovementBelowPhysZeroIsNone", U, {0, 5e-8}, {}, 0},
    {"EarliestOfLinesHitAtOnceWins", U, {0, 5}, {floorAt(3, -5, 0.5), floorAt(3, -0.5)},
     2 - GAP, 0},
    {"EarliestOfLinesHitAtOnceWinsEitherWay", U, {0, 5}, {floorAt(3, -0.5), floorAt(3, -5, 0.5)},
     2 - GAP, 0},
    // The nearer line is not taken, yet the kept distance still clears it.
    {"LaterLineNearerByLessThanTheGapLoses", U, {0, 5}, {floorAt(3.00005), FLOOR_AT_3},
     2.00005 - GAP, 0},
    {"LaterLineNearerByMoreThanTheGapWins", U, {0, 5}, {floorAt(3.001), FLOOR_AT_3}, 2 - GAP, 1},
    // Mends
    {"FastFallStopsOnFloorFarBelowTheBody", Ellipsoid2({115.1, 208.4}, {10, 30}), {0, 17.1},
     {seg(215.1, 242.4, 15.1, 242.4)}, 4 - 0.003, 0, Vector2(NONE, NONE), 270},
    {"OverlappedLineBlocksMovementIntoIt", U, {0, 2}, {floorAt(0.25)}, 0, 0, {0, 1}, 270},
    {"OverlappedLineBlocksMovementIntoItAt03", U, {0, 2}, {floorAt(0.3)}, 0, 0, {0, 1}, 270},
    {"OverlappedLineLetsMovementAwayGo", U, {0, -2}, {floorAt(0.25)}, 2},
    {"OverlappedLineLetsMovementAwayGoAt03", U, {0, -2}, {floorAt(0.3)}, 2},
    {"OverlappedLineLetsMovementAlongItGo", U, {3, 0}, {floorAt(0.25)}, 3},
    // Within the 0.001 allowed behind a line, moving further back is blocked.
    {"CentreJustBehindTheLineIsStillHeld", U, {0, 2}, {floorAt(-0.0005)}, 0, 0},
    {"BlockedFallAnswersExactlyZeroNotARoundingResidue", Ellipsoid2({124.2, 129.5}, {24, 12}),
     {0, 0.5}, {floorAt(141.5006, -1000, 1000)}, 0, 0},
    {"WalkIntoNearWallAnswersExactlyZero", Ellipsoid2({123.4, 129.5}, {13.7, 32}), {0.1, 0},
     {seg(137.1011, 0, 137.1011, 300)}, 0, 0},
    // The ledge's end lies inside the circle; its face does not reach below
    // the centre.
    {"LedgeEndInsideTheBodyBlocksFallingOntoIt", U, {0, 2}, {LEDGE}, 0, 0},
    {"LedgeEndInsideTheBodyLetsItStepOff", U, {-2, 0.4}, {LEDGE}, Vector2(-2, 0.4).length()},
    {"CornerTouchedAtItsEndBlocksSlidingOntoIt", BESIDE_CORNER, {1, 0}, {floorAt(0, 0)}, 0, 0},
    {"CornerTouchedAtItsEndLetsSlidingAwayGo", BESIDE_CORNER, {-1, 0}, {floorAt(0, 0)}, 1},
    {"CornerTouchedAtItsEndLetsRisingGo", BESIDE_CORNER, {0, -1}, {floorAt(0, 0)}, 1},
    // Near the origin the point where the body meets the floor's line comes
    // out a rounding step above or below it; it is still on the floor.
    {"TerminalFallStopsOnFloorNearTheOrigin", Ellipsoid2({400, -46.6}, {16, 32}), {0, 16},
     {seg(600, 0.4, 200, 0.4)}, 15 - 32 * GAP, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Sweep, testing::ValuesIn(CASES),
                         [](const testing::TestParamInfo<SweepCase>& info) {
                             return info.param.name;
                         });

} // namespace
