// The kinds of collision line, told apart by the direction of the contact
// normal as the ground movement reads it: 220 to 320 degrees is walkable.
#include <gtest/gtest.h>

#include <cmath>

#include "LineKinds.h"
#include "PlayerLanding.h"

namespace {

// A line whose contact direction (the reverse of its front normal) is
// `degrees`, counter-clockwise on screen with y downwards.
Line2 lineFacing(double degrees) {
    const double radians = degrees * M_PI / 180.0;
    const Vector2 contact(std::cos(radians), -std::sin(radians));
    // The contact normal is lNormal(b - a), so b - a = rNormal(contact).
    return Line2(Vector2(100, 100), Vector2(100, 100) + contact.rNormal() * 50.0);
}

TEST(LineKinds, ByTheMovementsWalkableRange) {
    EXPECT_EQ(kindOf(Line2(Vector2(10, 0), Vector2(0, 0))), LineKind::Floor);
    EXPECT_EQ(kindOf(Line2(Vector2(0, 0), Vector2(10, 0))), LineKind::Ceiling);
    EXPECT_EQ(kindOf(Line2(Vector2(0, 0), Vector2(0, 10))), LineKind::Wall);
    EXPECT_EQ(kindOf(Line2(Vector2(0, 10), Vector2(0, 0))), LineKind::Wall);
    EXPECT_EQ(kindOf(Line2(Vector2(3, 3), Vector2(3, 3))), LineKind::Point);
    EXPECT_EQ(kindOf(lineFacing(270.5)), LineKind::Floor);
    EXPECT_EQ(kindOf(lineFacing(268)), LineKind::WalkableSlope);
    EXPECT_EQ(kindOf(lineFacing(225)), LineKind::WalkableSlope);
    EXPECT_EQ(kindOf(lineFacing(315)), LineKind::WalkableSlope);
    EXPECT_EQ(kindOf(lineFacing(219)), LineKind::SteepSlope);
    EXPECT_EQ(kindOf(lineFacing(321)), LineKind::SteepSlope);
    EXPECT_EQ(kindOf(lineFacing(182)), LineKind::SteepSlope);
    EXPECT_EQ(kindOf(lineFacing(0.5)), LineKind::Wall);
    EXPECT_EQ(kindOf(lineFacing(359.5)), LineKind::Wall);
    EXPECT_EQ(kindOf(lineFacing(178)), LineKind::Ceiling);
    EXPECT_EQ(kindOf(lineFacing(45)), LineKind::Ceiling);
}

TEST(PlayerLandingTest, FallsOntoTheFirstFloorBelowTheStart) {
    const std::vector<Line2> lines = {Line2(Vector2(1000, 300), Vector2(0, 300)),
                                      Line2(Vector2(1000, 100), Vector2(0, 100))};
    const PlayerLanding landing = findPlayerLanding(lines);
    ASSERT_TRUE(landing.lands);
    EXPECT_NEAR(landing.centre.m_x, 400.0, 1e-9);
    EXPECT_NEAR(landing.centre.m_y, 68.0, 0.01);
}

TEST(PlayerLandingTest, FallsThroughALineFacingDown) {
    const std::vector<Line2> lines = {Line2(Vector2(0, 100), Vector2(1000, 100))};
    EXPECT_FALSE(findPlayerLanding(lines).lands);
    EXPECT_FALSE(findPlayerLanding({}).lands);
}

} // namespace
