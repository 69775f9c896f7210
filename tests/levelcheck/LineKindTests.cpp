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
    // Level floors and ceilings are the picture test's: each in its colour.
    EXPECT_EQ(kindOf(Line2(Vector2(0, 0), Vector2(0, 10))), LineKind::Wall);
    EXPECT_EQ(kindOf(Line2(Vector2(0, 10), Vector2(0, 0))), LineKind::Wall);
    EXPECT_EQ(kindOf(Line2(Vector2(3, 3), Vector2(3, 3))), LineKind::Point);
    const std::pair<double, LineKind> facing[] = {
        {270.5, LineKind::Floor},       {268, LineKind::WalkableSlope},
        {225, LineKind::WalkableSlope}, {315, LineKind::WalkableSlope},
        {219, LineKind::SteepSlope},    {321, LineKind::SteepSlope},
        {182, LineKind::SteepSlope},    {0.5, LineKind::Wall},
        {359.5, LineKind::Wall},        {178, LineKind::Ceiling},
        {45, LineKind::Ceiling}};
    for (const auto& [degrees, kind] : facing)
        EXPECT_EQ(kindOf(lineFacing(degrees)), kind) << degrees << " degrees";
}

// Through lines facing down (a ceiling at y 50) onto the first floor.
TEST(PlayerLandingTest, FallsOntoTheFirstFloorBelowTheStart) {
    const PlayerLanding landing = findPlayerLanding({Line2(Vector2(0, 50), Vector2(1000, 50)),
                                                     Line2(Vector2(1000, 300), Vector2(0, 300)),
                                                     Line2(Vector2(1000, 100), Vector2(0, 100))});
    ASSERT_TRUE(landing.lands);
    EXPECT_NEAR(landing.centre.m_x, 400.0, 1e-9);
    EXPECT_NEAR(landing.centre.m_y, 68.0, 0.01);
    EXPECT_FALSE(findPlayerLanding({Line2(Vector2(0, 100), Vector2(1000, 100))}).lands);
    EXPECT_FALSE(findPlayerLanding({}).lands);
}

} // namespace
