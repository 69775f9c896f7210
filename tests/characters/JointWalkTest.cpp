// Walking both ways over floors cut into many segments, as level files cut
// them: collinear runs of 2 to 20 segments, flat and sloped, and bends within
// the walkable range. Four body shapes land at ten offsets each and walk 60
// ticks left, then 60 right. Every tick must cover the full walking distance
// (4 units on flat floor, nearly that along bends) and no line may reach into
// the body. The order in which a floor's lines are listed decides ties in the
// contact search, so both orders are tried. The 24 x 12 body falls exactly 68
// units onto each floor: such a landing once ended on the line itself, and
// then the body stood still with the walk key held.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

#include "CragmoorWorld.h"

namespace {

constexpr int WALK_TICKS = 60;
constexpr double WALK_SPEED = 4.0;
// Along a bend the tangent steps cut the corner a little.
constexpr double LEAST_STEP_ON_BENDS = 3.5;

struct Floor {
    std::string name;
    // Left to right along the walkable side.
    std::vector<Vector2> points;
    bool flat;
};

// n segments of unequal length from `left` to `right`.
Floor collinear(const std::string& name, const Vector2& left, const Vector2& right, int n) {
    Floor floor{name + " of " + std::to_string(n), {}, left.m_y == right.m_y};
    for (int i = 0; i <= n; ++i) {
        // Uneven cuts, so that joints fall at every fraction of a unit.
        const double share = i == n ? 1.0 : (i + 0.3 * std::sin(i * 2.1)) / n;
        floor.points.push_back(left + (right - left) * share);
    }
    return floor;
}

// A polyline of bends through (x, rise) pairs, rise upwards from `base`.
Floor bends(const std::string& name, const Vector2& base,
            const std::vector<std::pair<double, double>>& shape) {
    Floor floor{name, {}, false};
    for (const auto& [x, rise] : shape)
        floor.points.push_back(Vector2(base.m_x + x, base.m_y - rise));
    return floor;
}

// Every floor in its own place, with room enough for its slopes and the
// bodies above it.
std::vector<Floor> allFloors() {
    std::vector<Floor> all;
    const auto at = [&all] {
        return Vector2(150 + 1100 * double(all.size() % 8), 1000 + 1600 * double(all.size() / 8));
    };
    for (int n = 2; n <= 20; ++n)
        all.push_back(collinear("flat floor", at(), at() + Vector2(700, 0), n));
    for (int n : {2, 3, 7, 20}) {
        // 27 degrees up, then 40 degrees down: the level's own slopes.
        all.push_back(collinear("27-degree rise", at(), at() + Vector2(700, -356.7), n));
        all.push_back(collinear("40-degree fall", at(), at() + Vector2(700, 587.4), n));
    }
    all.push_back(
        bends("hill", at(), {{0, 0}, {250, 0}, {330, 40}, {400, 50}, {470, 30}, {700, 0}}));
    all.push_back(
        bends("valley", at(), {{0, 100}, {200, 100}, {300, 30}, {420, 0}, {520, 60}, {700, 120}}));
    all.push_back(bends("zigzag", at(),
                        {{0, 0}, {120, 30}, {240, 0}, {360, 45}, {480, 5}, {580, 40}, {700, 0}}));
    return all;
}

// The body's radii, and whether each floor's lines are listed right to left.
using Case = std::tuple<Vector2, bool>;

class JointWalk : public testing::TestWithParam<Case> {
  protected:
    // Lines collide on the side their right-hand normal points to: walked
    // from the left, each segment runs from right to left.
    std::vector<Line2> lay(const Floor& floor) {
        std::vector<Line2> segments;
        for (std::size_t i = 1; i < floor.points.size(); ++i)
            segments.push_back(Line2(floor.points[i], floor.points[i - 1]));
        if (std::get<1>(GetParam()))
            std::reverse(segments.begin(), segments.end());
        for (const Line2& segment : segments)
            world.addLine(segment.m_a, segment.m_b);
        return segments;
    }

    // Lands ten bodies over the floor's middle at x.0 to x.9 and returns them.
    std::vector<Walker*> land(const Floor& floor) {
        const Vector2& left = floor.points.front();
        const Vector2& right = floor.points.back();
        const double middle = std::floor((left.m_x + right.m_x) / 2);
        const double top = std::fmin(left.m_y, right.m_y) - 80;
        std::vector<Walker*> walkers;
        for (int tenth = 0; tenth < 10; ++tenth)
            walkers.push_back(new Walker(&world.map(), Vector2(middle + tenth / 10.0, top),
                                         std::get<0>(GetParam())));
        for (int tick = 0; tick < 80; ++tick)
            for (Walker* walker : walkers)
                walker->gameTick();
        return walkers;
    }

    void walkAndCheck(const Floor& floor, const std::vector<Line2>& lines, Walker& walker,
                      bool left) {
        walker.steer(left, !left);
        for (int tick = 1; tick <= WALK_TICKS; ++tick) {
            const Vector2 before = walker.centre();
            walker.gameTick();
            const Vector2 moved = walker.centre() - before;
            const auto where = [&] {
                return floor.name + (left ? ", walking left" : ", walking right") + ", tick " +
                       std::to_string(tick) + " from " + std::to_string(before.m_x) + ", " +
                       std::to_string(before.m_y);
            };
            if (floor.flat) {
                ASSERT_NEAR(moved.m_x, left ? -WALK_SPEED : WALK_SPEED, 1e-6) << where();
                ASSERT_NEAR(moved.m_y, 0, 1e-6) << where();
            } else {
                ASSERT_GT(moved.length(), LEAST_STEP_ON_BENDS) << where();
                ASSERT_GT(moved.m_x * (left ? -1 : 1), 0) << where();
            }
            // Following the floor: never lifted off it by more than a rounding
            // share of the body's size.
            const double overlap = deepestOverlap(lines, walker.getPosition());
            ASSERT_LT(overlap, 1e-6) << where();
            ASSERT_GT(overlap, -0.01) << where();
        }
        walker.steer(false, false);
    }

    CragmoorWorld world;
};

TEST_P(JointWalk, BodiesWalkBothWaysOverEveryJointWithoutStopping) {
    const std::vector<Floor> floors = allFloors();
    std::vector<std::vector<Line2>> lines;
    for (const Floor& floor : floors)
        lines.push_back(lay(floor));
    for (std::size_t i = 0; i < floors.size(); ++i) {
        for (Walker* walker : land(floors[i])) {
            ASSERT_EQ(walker->getVelocity().m_y, 0) << floors[i].name << ": did not land";
            walkAndCheck(floors[i], lines[i], *walker, true);
            walkAndCheck(floors[i], lines[i], *walker, false);
            walker->destroy();
            if (HasFatalFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, JointWalk,
                         testing::Combine(testing::Values(Vector2(16, 32), Vector2(10, 30),
                                                          Vector2(24, 12), Vector2(7, 13)),
                                          testing::Bool()),
                         [](const testing::TestParamInfo<Case>& info) {
                             const Vector2& radius = std::get<0>(info.param);
                             return "radius" + std::to_string(int(radius.m_x)) + "x" +
                                    std::to_string(int(radius.m_y)) +
                                    (std::get<1>(info.param) ? "_rightToLeft" : "_leftToRight");
                         });

} // namespace
