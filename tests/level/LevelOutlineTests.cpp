// The level as the character will feel it: the collision lines that the
// loader cuts at z = 0 must close into outlines, face the open air, and offer
// each kind of ground the movement rules were made for, at sizes the
// character can manage (32 wide, 64 tall, jumps 95 high and about 155 far).
// That every floor is reached from the start and both ends are walled is
// asked of the reach search, with the game's own movement, by the levelcheck
// route tests; the landing under the start by the level checker.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "BuiltLevel.h"

namespace {

constexpr double kShared = 0.01; // world units between end points that meet
constexpr double kProbe = 0.5;   // world units off a line's midpoint

const std::vector<Line2>& lines() {
    return builtLevel().data.collisionLines;
}

bool near(const Vector2& a, const Vector2& b) {
    return std::abs(a.m_x - b.m_x) <= kShared && std::abs(a.m_y - b.m_y) <= kShared;
}
// The side of a line the open air is on.
Vector2 frontNormal(const Line2& line) {
    return (line.m_b - line.m_a).rNormal().normalize();
}
Vector2 midpoint(const Line2& line) {
    return (line.m_a + line.m_b) / 2;
}
bool isFloor(const Line2& line) {
    return kindOf(line) == LineKind::Floor;
}
double leftX(const Line2& line) {
    return std::min(line.m_a.m_x, line.m_b.m_x);
}
double rightX(const Line2& line) {
    return std::max(line.m_a.m_x, line.m_b.m_x);
}

// Even-odd count of the lines crossed by a ray from p towards +x.
bool insideSolid(const Vector2& p) {
    bool inside = false;
    for (const Line2& l : lines()) {
        const Vector2 a = l.m_a, b = l.m_b;
        if ((a.m_y > p.m_y) != (b.m_y > p.m_y) &&
            p.m_x < (b.m_x - a.m_x) * (p.m_y - a.m_y) / (b.m_y - a.m_y) + a.m_x)
            inside = !inside;
    }
    return inside;
}

// The first line met going straight down from p, and the height it is met at.
std::optional<Line2> firstLineBelow(const Vector2& p, double* hitY) {
    std::optional<Line2> best;
    *hitY = INFINITY;
    for (const Line2& l : lines()) {
        if (l.m_a.m_x == l.m_b.m_x || p.m_x < leftX(l) || p.m_x > rightX(l))
            continue;
        const double y =
            l.m_a.m_y + (l.m_b.m_y - l.m_a.m_y) * (p.m_x - l.m_a.m_x) / (l.m_b.m_x - l.m_a.m_x);
        if (y > p.m_y && y < *hitY) {
            *hitY = y;
            best = l;
        }
    }
    return best;
}

} // namespace

TEST(LevelOutline, EveryLineJoinsItsNeighboursAndFacesOpenAirWithSolidBehind) {
    ASSERT_GT(lines().size(), 200u);
    for (const Line2& line : lines()) {
        bool continued = false, preceded = false;
        for (const Line2& other : lines()) {
            continued = continued || (&other != &line && near(other.m_a, line.m_b));
            preceded = preceded || (&other != &line && near(other.m_b, line.m_a));
        }
        const Vector2 m = midpoint(line), n = frontNormal(line);
        SCOPED_TRACE(testing::Message() << "line at " << m.m_x << ", " << m.m_y);
        ASSERT_TRUE(continued && preceded) << "the outline is open there";
        ASSERT_GT(line.m_a.length(line.m_b), 1.0);
        EXPECT_FALSE(insideSolid(m + n * kProbe)) << "solid in front";
        EXPECT_TRUE(insideSolid(m - n * kProbe)) << "air behind";
    }
}

// Walkable slopes of 15 degrees and more both ways, a steep one short of 75,
// a gap narrower than a jump at floor height with nothing to stand on for a
// jump's height below its middle, a ceiling the character fits under and a
// wall too high to jump.
TEST(LevelOutline, OffersEveryKindOfGroundTheMovementWasMadeFor) {
    bool risingRight = false, fallingRight = false, steep = false, gap = false, lowCeiling = false,
         tallWall = false;
    for (const Line2& line : lines()) {
        const Vector2 n = frontNormal(line);
        const bool walkable = kindOf(line) == LineKind::WalkableSlope && std::abs(n.m_x) > 0.26;
        risingRight = risingRight || (walkable && n.m_x < 0);
        fallingRight = fallingRight || (walkable && n.m_x > 0);
        steep = steep || (kindOf(line) == LineKind::SteepSlope && std::abs(n.m_y) > 0.26);
        double below = 0, wallHeight = 0;
        for (const Line2& right : lines()) {
            const double width = leftX(right) - rightX(line);
            if (isFloor(line) && isFloor(right) && std::abs(line.m_a.m_y - right.m_a.m_y) <= 0.5 &&
                width >= 64 && width <= 150) {
                firstLineBelow({(rightX(line) + leftX(right)) / 2, line.m_a.m_y}, &below);
                gap = gap || below - line.m_a.m_y > 95;
            }
            if (std::abs(right.m_a.m_x - line.m_a.m_x) < kShared &&
                std::abs(right.m_b.m_x - line.m_a.m_x) < kShared)
                wallHeight += right.m_a.length(right.m_b);
        }
        tallWall = tallWall || (kindOf(line) == LineKind::Wall && wallHeight > 200);
        if (n.m_y < 0.99 || line.m_a.length(line.m_b) < 16)
            continue;
        const auto floor = firstLineBelow(midpoint(line), &below);
        const double clearance = below - line.m_a.m_y;
        lowCeiling = lowCeiling || (floor && isFloor(*floor) && clearance > 64 && clearance < 100);
    }
    EXPECT_EQ((std::vector<bool>{risingRight, fallingRight, steep, gap, lowCeiling, tallWall}),
              std::vector<bool>(6, true))
        << "rising, falling, steep, gap, low ceiling, tall wall";
}
