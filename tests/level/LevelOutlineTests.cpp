// The level as the character will feel it: the collision lines that the
// loader cuts at z = 0 must close into outlines, face the open air, put a
// floor under the start, and offer each kind of ground the movement rules
// were made for, at sizes the character can manage (32 wide, 64 tall,
// jumps 95 high and about 155 far).
#include <gtest/gtest.h>

#include <cmath>

#include "BuiltLevel.h"

namespace {

constexpr double kShared = 0.01; // world units between end points that meet
constexpr double kProbe = 0.5;   // world units off a line's midpoint

bool near(Point2 a, Point2 b) {
    return std::abs(a.x - b.x) <= kShared && std::abs(a.y - b.y) <= kShared;
}

bool isFloor(const CutLine& line) {
    return line.frontNormal().y < -0.99;
}
bool isCeiling(const CutLine& line) {
    return line.frontNormal().y > 0.99;
}

// Steepness in degrees of a line that faces upwards (0 = flat floor).
double slopeOf(const CutLine& line) {
    const Point2 n = line.frontNormal();
    return std::acos(std::min(1.0, -n.y)) * 180.0 / 3.14159265358979323846;
}

double leftX(const CutLine& line) {
    return std::min(line.a.x, line.b.x);
}
double rightX(const CutLine& line) {
    return std::max(line.a.x, line.b.x);
}

} // namespace

TEST(LevelOutline, HasCollisionLines) {
    EXPECT_GT(builtLevel().lines.size(), 200u);
}

TEST(LevelOutline, EveryLineEndsWhereTheNextBegins) {
    const auto& lines = builtLevel().lines;
    for (const CutLine& line : lines) {
        bool continued = false, preceded = false;
        for (const CutLine& other : lines) {
            continued = continued || (&other != &line && near(other.a, line.b));
            preceded = preceded || (&other != &line && near(other.b, line.a));
        }
        ASSERT_TRUE(continued) << "nothing continues the line ending at " << line.b.x << ", "
                               << line.b.y;
        ASSERT_TRUE(preceded) << "nothing leads to the line starting at " << line.a.x << ", "
                              << line.a.y;
    }
}

TEST(LevelOutline, EveryLineFacesOpenAirWithSolidBehind) {
    const auto& lines = builtLevel().lines;
    for (const CutLine& line : lines) {
        ASSERT_GT(line.length(), 1.0);
        const Point2 m = line.midpoint(), n = line.frontNormal();
        EXPECT_FALSE(insideSolid(lines, {m.x + n.x * kProbe, m.y + n.y * kProbe}))
            << "solid in front of the line at " << m.x << ", " << m.y;
        EXPECT_TRUE(insideSolid(lines, {m.x - n.x * kProbe, m.y - n.y * kProbe}))
            << "air behind the line at " << m.x << ", " << m.y;
    }
}

TEST(LevelOutline, StartPointIsInOpenAirAboveAFloor) {
    const auto& lines = builtLevel().lines;
    const Point2 start{400, 0};
    for (double dx : {-16.0, 0.0, 16.0}) {
        EXPECT_FALSE(insideSolid(lines, {start.x + dx, start.y}));
    }
    double floorY = 0;
    const auto floor = firstLineBelow(lines, start, &floorY);
    ASSERT_TRUE(floor.has_value());
    EXPECT_TRUE(isFloor(*floor));
    EXPECT_GE(floorY, 300.0);
    EXPECT_LE(floorY, 400.0);
}

TEST(LevelOutline, HasWalkableSlopesUpAndDown) {
    bool risingRight = false, fallingRight = false;
    for (const CutLine& line : builtLevel().lines) {
        const double direction = contactDirection(line);
        if (slopeOf(line) < 15 || direction < 225 || direction > 315) {
            continue;
        }
        risingRight = risingRight || line.frontNormal().x < 0;
        fallingRight = fallingRight || line.frontNormal().x > 0;
    }
    EXPECT_TRUE(risingRight);
    EXPECT_TRUE(fallingRight);
}

TEST(LevelOutline, HasASlopeTooSteepToClimb) {
    bool steep = false;
    for (const CutLine& line : builtLevel().lines) {
        const double direction = contactDirection(line);
        const bool outsideWalkable = direction < 215 || direction > 325;
        steep = steep || (line.frontNormal().y < 0 && outsideWalkable && slopeOf(line) < 75);
    }
    EXPECT_TRUE(steep);
}

TEST(LevelOutline, HasAGapNarrowerThanAJumpAtFloorHeight) {
    const auto& lines = builtLevel().lines;
    bool gap = false;
    for (const CutLine& left : lines) {
        for (const CutLine& right : lines) {
            if (!isFloor(left) || !isFloor(right) || std::abs(left.a.y - right.a.y) > 0.5) {
                continue;
            }
            const double width = leftX(right) - rightX(left);
            if (width < 64 || width > 150) {
                continue;
            }
            // Nothing to stand on for at least a jump's height below the middle.
            double below = 0;
            firstLineBelow(lines, {(rightX(left) + leftX(right)) / 2, left.a.y}, &below);
            gap = gap || below - left.a.y > 95;
        }
    }
    EXPECT_TRUE(gap);
}

TEST(LevelOutline, HasALowCeilingTheCharacterFitsUnder) {
    const auto& lines = builtLevel().lines;
    bool lowCeiling = false;
    for (const CutLine& ceiling : lines) {
        if (!isCeiling(ceiling) || ceiling.length() < 16) {
            continue;
        }
        double floorY = 0;
        const auto floor = firstLineBelow(lines, ceiling.midpoint(), &floorY);
        const double clearance = floorY - ceiling.a.y;
        lowCeiling = lowCeiling || (floor && isFloor(*floor) && clearance > 64 && clearance < 100);
    }
    EXPECT_TRUE(lowCeiling);
}

TEST(LevelOutline, HasAWallTooHighToJump) {
    const auto& lines = builtLevel().lines;
    bool tallWall = false;
    for (const CutLine& line : lines) {
        if (std::abs(line.frontNormal().x) < 0.99) {
            continue;
        }
        double height = 0;
        for (const CutLine& other : lines) {
            if (std::abs(other.a.x - line.a.x) < kShared &&
                std::abs(other.b.x - line.a.x) < kShared) {
                height += other.length();
            }
        }
        tallWall = tallWall || height > 200;
    }
    EXPECT_TRUE(tallWall);
}

TEST(LevelOutline, IsClosedByWallsAtBothEnds) {
    const auto& lines = builtLevel().lines;
    double leftmost = INFINITY, rightmost = -INFINITY;
    for (const CutLine& line : lines) {
        if (isFloor(line)) {
            leftmost = std::min(leftmost, leftX(line));
            rightmost = std::max(rightmost, rightX(line));
        }
    }
    // Going sideways from the first and last floors at head height meets a wall.
    for (const auto& [x, step] : {std::pair{leftmost + 20, -1.0}, std::pair{rightmost - 20, 1.0}}) {
        double floorY = 0;
        firstLineBelow(lines, {x, 0}, &floorY);
        bool walled = false;
        for (double probe = x; probe > 0 && probe < 9000 && !walled; probe += step * 4) {
            walled = insideSolid(lines, {probe, floorY - 40});
        }
        EXPECT_TRUE(walled) << "open end beside x " << x;
    }
}

namespace {

// The collision lines grouped into their closed outlines.
std::vector<std::vector<CutLine>> outlinesOf(const std::vector<CutLine>& lines) {
    std::vector<int> group(lines.size(), -1);
    int groups = 0;
    for (std::size_t seed = 0; seed < lines.size(); ++seed) {
        if (group[seed] >= 0) {
            continue;
        }
        std::vector<std::size_t> pending{seed};
        group[seed] = groups;
        while (!pending.empty()) {
            const CutLine line = lines[pending.back()];
            pending.pop_back();
            for (std::size_t other = 0; other < lines.size(); ++other) {
                if (group[other] < 0 &&
                    (near(lines[other].a, line.b) || near(lines[other].b, line.a))) {
                    group[other] = groups;
                    pending.push_back(other);
                }
            }
        }
        ++groups;
    }
    std::vector<std::vector<CutLine>> outlines(static_cast<std::size_t>(groups));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        outlines[static_cast<std::size_t>(group[i])].push_back(lines[i]);
    }
    return outlines;
}

} // namespace

TEST(LevelOutline, EveryFreeStandingTopIsWithinAJumpOfAnotherFloor) {
    const auto outlines = outlinesOf(builtLevel().lines);
    ASSERT_GT(outlines.size(), 1u);
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        double top = INFINITY, left = INFINITY, right = -INFINITY;
        for (const CutLine& line : outlines[i]) {
            if (isFloor(line)) {
                top = std::min(top, line.a.y);
            }
        }
        if (top < 1 || top == INFINITY) {
            continue; // hangs from the top of the world: nothing to stand on
        }
        for (const CutLine& line : outlines[i]) {
            if (isFloor(line) && std::abs(line.a.y - top) < 1) {
                left = std::min(left, leftX(line));
                right = std::max(right, rightX(line));
            }
        }
        bool reachable = false;
        for (std::size_t j = 0; j < outlines.size() && !reachable; ++j) {
            for (const CutLine& floor : outlines[j]) {
                const double rise = std::max(floor.a.y, floor.b.y) - top;
                const double apart = std::max({0.0, leftX(floor) - right, left - rightX(floor)});
                reachable = reachable ||
                            (j != i && isFloor(floor) && rise >= -1 && rise < 90 && apart < 150);
            }
        }
        EXPECT_TRUE(reachable) << "no floor within a jump of the top at " << left << ".." << right
                               << ", " << top;
    }
}
