// Random ellipses swept through random line sets, one sweep at a time and in
// runs of sweeps like a character's ticks: whatever the geometry, a sweep never
// carries the centre through a line it started in front of, never moves further
// than asked, never sinks deeper into a line already overlapped and never sinks
// into a line it started clear of; one aimed straight into a line it overlaps
// stays put.
#include "Contacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Rounding allowance of the checks, in scaled units (the ellipse is the unit
// circle); far below the gap of 0.0001 that sweeps keep free.
constexpr double CHECK_SLACK = 1e-9;

struct Scenario {
    Ellipsoid2 ellipse;
    std::vector<Line2> lines;
};

Vector2 closestOnSegment(const Vector2& p, const Line2& line) {
    const Vector2 along = line.m_b - line.m_a;
    const double squaredLength = along.dotProduct(along);
    if (squaredLength == 0)
        return line.m_a;
    const double t = std::clamp((p - line.m_a).dotProduct(along) / squaredLength, 0.0, 1.0);
    return line.m_a + along * t;
}

// Signed distance of p from the line through the segment, positive on the
// front side.
double frontDistance(const Vector2& p, const Line2& line) {
    const Vector2 normal = (line.m_b - line.m_a).rNormal().normalize();
    return (p - line.m_a).dotProduct(normal);
}

Line2 scaled(const Line2& line, const Vector2& radius) {
    return Line2(line.m_a / radius, line.m_b / radius);
}

// Whether the path from `from` (in front of the line) to `to` passes through
// the segment to its back side.
bool crossesToBack(const Vector2& from, const Vector2& to, const Line2& line) {
    const double before = frontDistance(from, line);
    const double after = frontDistance(to, line);
    if (before <= 0 || after >= -CHECK_SLACK)
        return false;
    const Vector2 crossing = from + (to - from) * (before / (before - after));
    return crossing.length(closestOnSegment(crossing, line)) < CHECK_SLACK;
}

// Sweeps once and checks every promise against every line; returns the new
// centre. A failure names the run: the seeded generator replays it exactly.
Vector2 sweepAndCheck(const Scenario& s, const Vector2& velocity) {
    const ContactSweep sweep = sweepEllipse(s.ellipse, velocity, s.lines);
    const Vector2& radius = s.ellipse.m_radius;
    const Vector2 moved = s.ellipse.m_center + velocity.normalize() * sweep.distance;
    const Vector2 from = s.ellipse.m_center / radius, to = moved / radius;

    EXPECT_GE(sweep.distance, 0);
    EXPECT_LE(sweep.distance, velocity.length());
    EXPECT_TRUE(sweep.moved || sweep.distance == 0) << "stood still, yet answered a distance";
    for (const Line2& worldLine : s.lines) {
        const Line2 line = scaled(worldLine, radius);
        if (frontDistance(from, line) <= 0)
            continue; // one-sided: a line seen from behind may be passed
        EXPECT_FALSE(crossesToBack(from, to, line));
        const double before = from.length(closestOnSegment(from, line));
        const double after = to.length(closestOnSegment(to, line));
        if (before < 1) {
            EXPECT_GE(after, before - CHECK_SLACK) << "went deeper";
        } else {
            EXPECT_GE(after, 1 - CHECK_SLACK) << "sank in";
        }
    }
    return moved;
}

class RandomLevel {
  public:
    explicit RandomLevel(unsigned seed) : m_random(seed) {}

    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(m_random);
    }
    bool chance(double p) { return uniform(0, 1) < p; }

    // An ellipse clear of every line, or overlapping the middle of exactly
    // one; no line's end point inside it.
    Scenario scenario() {
        Scenario s;
        // Near the world's origin, scaled coordinates are small enough for a
        // rounding step to matter where the sweep compares them.
        const double spread = chance(0.3) ? 60 : 900;
        s.ellipse = Ellipsoid2(Vector2(uniform(-spread, spread), uniform(-spread, spread)),
                               Vector2(uniform(2, 40), uniform(2, 40)));
        const int count = static_cast<int>(uniform(1, 13));
        while (static_cast<int>(s.lines.size()) < count) {
            const Line2 line = lineNear(s.ellipse);
            if (clearOf(s.ellipse, line))
                s.lines.push_back(line);
        }
        if (chance(0.5)) {
            const auto at = s.lines.begin() + static_cast<long>(uniform(0, s.lines.size()));
            s.lines.insert(at, lineThrough(s.ellipse));
        }
        return s;
    }

    // Movements up to 16 units: falls, walks, and any direction at all.
    Vector2 velocity() {
        const double kind = uniform(0, 1);
        if (kind < 0.05)
            return Vector2(0, 0);
        if (kind < 0.25)
            return Vector2(0, uniform(-16, 16));
        if (kind < 0.45)
            return Vector2(uniform(-16, 16), 0);
        const double angle = uniform(0, 2 * M_PI), length = uniform(0, 16);
        return Vector2(std::cos(angle) * length, std::sin(angle) * length);
    }

  private:
    // Floors, walls and slopes at any angle, facing either way, short and long.
    Line2 lineNear(const Ellipsoid2& e) {
        const double reach = std::max(e.m_radius.m_x, e.m_radius.m_y) + 20;
        const Vector2 middle = e.m_center + Vector2(uniform(-reach, reach), uniform(-reach, reach));
        const double kind = uniform(0, 1);
        const double angle = kind < 0.3 ? 0 : kind < 0.5 ? M_PI / 2 : uniform(0, M_PI);
        const double halfLength = uniform(0.5, 2 * reach);
        const Vector2 half(std::cos(angle) * halfLength, std::sin(angle) * halfLength);
        return chance(0.5) ? Line2(middle - half, middle + half)
                           : Line2(middle + half, middle - half);
    }

    // A long line cutting the ellipse with the centre on its front side.
    Line2 lineThrough(const Ellipsoid2& e) {
        const double angle = uniform(0, 2 * M_PI);
        const Vector2 normal(std::cos(angle), std::sin(angle));
        const Vector2 foot = e.m_center / e.m_radius - normal * uniform(0.02, 0.98);
        const Vector2 along = normal.rNormal() * uniform(1.5, 6);
        // rNormal(b - a) must point along normal: b - a = -along.
        return Line2((foot + along) * e.m_radius, (foot - along) * e.m_radius);
    }

    static bool clearOf(const Ellipsoid2& e, const Line2& line) {
        const Vector2 centre = e.m_center / e.m_radius;
        const Line2 s = scaled(line, e.m_radius);
        return centre.length(closestOnSegment(centre, s)) > 1;
    }

    std::mt19937 m_random;
};

// A sweep straight into the line the ellipse overlaps, if any, stays put and
// reports the contact.
void expectHeldByOverlappedLine(const Scenario& s, double share) {
    const Vector2 centre = s.ellipse.m_center / s.ellipse.m_radius;
    for (const Line2& line : s.lines) {
        const Line2 unit = scaled(line, s.ellipse.m_radius);
        if (centre.length(closestOnSegment(centre, unit)) >= 1)
            continue;
        const Vector2 into = (unit.m_b - unit.m_a).rNormal().normalize() * -1.0;
        const ContactSweep sweep =
            sweepEllipse(s.ellipse, into * s.ellipse.m_radius * share, s.lines);
        EXPECT_EQ(sweep.distance, 0);
        EXPECT_TRUE(sweep.found);
        return;
    }
}

// Every fourth run goes on for ten ticks: gravity builds up between random
// pushes, as a falling, walking and jumping character's movements do.
TEST(RandomSweeps, SweepsAloneAndInRunsLikeACharactersTicksKeepEveryPromise) {
    RandomLevel level(20240611);
    for (int run = 0; run < 6000 && !HasFailure(); ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run);
        Scenario s = level.scenario();
        expectHeldByOverlappedLine(s, level.uniform(0.01, 0.5));
        Vector2 fall(0, 0);
        for (int tick = 0; tick < (run % 4 == 0 ? 10 : 1) && !HasFailure(); ++tick) {
            SCOPED_TRACE(testing::Message() << "tick " << tick);
            fall.m_y = std::min(fall.m_y + 0.5, 16.0);
            s.ellipse.m_center =
                sweepAndCheck(s, tick > 0 && level.chance(0.5) ? fall : level.velocity());
            ASSERT_FALSE(std::isnan(s.ellipse.m_center.m_x) || std::isnan(s.ellipse.m_center.m_y))
                << "centre became NaN";
        }
    }
}

} // namespace
