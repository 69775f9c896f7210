#include "ReachReport.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "Contacts.h"
#include "LineKinds.h"
#include "PlayerLanding.h"

namespace {

// Units between floor samples.
constexpr double kSampleStep = 4;
// A standing state this close (world units) to a sample reaches it.
constexpr double kMatchX = 3, kMatchY = 4;
// End points this close join two lines into one stretch.
constexpr double kJoin = 0.5;

const Rgb kReached{60, 230, 220};
const Rgb kNeverReached{245, 245, 245};
const Rgb kTrapped{255, 40, 190};
const Rgb kEntry{255, 240, 0};

bool walkableLine(const Line2& line) {
    const LineKind kind = kindOf(line);
    return kind == LineKind::Floor || kind == LineKind::WalkableSlope;
}

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* pattern, ...) {
    char text[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    return text;
}

// The centre of the player resting on `line` above `p`, if it fits there:
// nothing overlaps it, and a short fall lands on walkable floor.
bool restsAt(const std::vector<Line2>& lines, const Line2& line, const Vector2& p,
             Vector2& centre) {
    const Vector2 up = (line.m_b - line.m_a).rNormal().normalize();
    const double reach = std::hypot(kPlayerRadius.m_x * up.m_x, kPlayerRadius.m_y * up.m_y);
    centre = p + up * (reach + 0.5);
    const Ellipsoid2 body(centre, kPlayerRadius);
    if (sweepEllipse(body, Vector2(0, -0.5), lines).distance < 0.25)
        return false;
    const ContactSweep fall = sweepEllipse(body, Vector2(0, 2), lines);
    if (!fall.found || !walkableLine(fall.point.m_line))
        return false;
    centre.m_y += fall.distance;
    return true;
}

std::vector<FloorStretch> floorStretches(const std::vector<Line2>& lines) {
    std::vector<Line2> walkable;
    for (const Line2& line : lines)
        if (walkableLine(line))
            walkable.push_back(line);
    std::sort(walkable.begin(), walkable.end(), [](const Line2& a, const Line2& b) {
        const Vector2& l = a.m_a.m_x < a.m_b.m_x ? a.m_a : a.m_b;
        const Vector2& r = b.m_a.m_x < b.m_b.m_x ? b.m_a : b.m_b;
        return l.m_x != r.m_x ? l.m_x < r.m_x : l.m_y < r.m_y;
    });
    std::vector<FloorStretch> stretches;
    for (const Line2& line : walkable) {
        const bool aLeft = line.m_a.m_x < line.m_b.m_x;
        const Vector2& left = aLeft ? line.m_a : line.m_b;
        const Vector2& right = aLeft ? line.m_b : line.m_a;
        FloorStretch* joined = nullptr;
        for (FloorStretch& s : stretches)
            if (std::abs(s.right.m_x - left.m_x) < kJoin &&
                std::abs(s.right.m_y - left.m_y) < kJoin)
                joined = &s;
        if (joined == nullptr) {
            stretches.push_back({left, right, {}});
            joined = &stretches.back();
        }
        joined->right = right;
        const double length = (right - left).length();
        for (double along = std::fmod(length, kSampleStep) / 2; along < length;
             along += kSampleStep) {
            FloorSample sample;
            if (restsAt(lines, line, left + (right - left) * (along / length), sample.centre))
                joined->samples.push_back(sample);
        }
    }
    return stretches;
}

std::int64_t cellKey(long long x, long long y) {
    return (x + (1LL << 20)) << 24 | (y + (1LL << 20));
}

} // namespace

int ReachSummary::percentReached() const {
    return standable == 0 ? 0 : static_cast<int>(100 * reached / standable);
}

ReachSummary summarizeReach(const std::vector<Line2>& lines, const ReachMap& reach) {
    ReachSummary summary;
    summary.stretches = floorStretches(lines);
    std::unordered_multimap<std::int64_t, std::uint32_t> standing;
    summary.leftmost = summary.rightmost = reach.nodes.front().centre;
    for (std::uint32_t i = 0; i < reach.nodes.size(); ++i) {
        const ReachNode& node = reach.nodes[i];
        if (node.lost)
            continue;
        if (node.centre.m_x < summary.leftmost.m_x)
            summary.leftmost = node.centre;
        if (node.centre.m_x > summary.rightmost.m_x)
            summary.rightmost = node.centre;
        if (node.standing)
            standing.emplace(cellKey(std::llround(node.centre.m_x), std::llround(node.centre.m_y)),
                             i);
    }
    for (FloorStretch& stretch : summary.stretches) {
        for (FloorSample& sample : stretch.samples) {
            ++summary.standable;
            const long long cx = std::llround(sample.centre.m_x);
            const long long cy = std::llround(sample.centre.m_y);
            for (long long x = cx - kMatchX; x <= cx + kMatchX; ++x)
                for (long long y = cy - kMatchY; y <= cy + kMatchY; ++y) {
                    const auto [from, to] = standing.equal_range(cellKey(x, y));
                    for (auto it = from; it != to; ++it) {
                        sample.reached = true;
                        if (sample.trap < 0)
                            sample.trap = reach.trapOf[it->second];
                    }
                }
            summary.reached += sample.reached;
        }
    }
    return summary;
}

std::string reachVerdict(const ReachMap& reach, const ReachSummary& summary) {
    return format("reach: %d %% of standable floor reached; %zu trap%s", summary.percentReached(),
                  reach.traps.size(), reach.traps.size() == 1 ? "" : "s");
}

std::string reachReport(const ReachMap& reach, const ReachSummary& summary) {
    std::string out = "reach (the game's movement from the start, every key each tick)\n";
    out += format("  explored              %zu states in %.1f s (%.1f s of processor time)\n",
                  reach.nodes.size(), reach.seconds, reach.processorSeconds);
    const Vector2& landing = reach.nodes[reach.landing].centre;
    out += format("  comes to rest at      (%.0f, %.0f)\n", landing.m_x, landing.m_y);
    for (const FloorStretch& s : summary.stretches) {
        const std::size_t reached = static_cast<std::size_t>(std::count_if(
            s.samples.begin(), s.samples.end(), [](const FloorSample& f) { return f.reached; }));
        out += format("  floor                 (%.0f, %.0f) .. (%.0f, %.0f): ", s.left.m_x,
                      s.left.m_y, s.right.m_x, s.right.m_y);
        out += s.samples.empty()
                   ? std::string("no room to stand\n")
                   : format("%.0f units to stand on, %zu %% reached\n",
                            s.samples.size() * kSampleStep, 100 * reached / s.samples.size());
    }
    out += format("  furthest left         (%.0f, %.0f)\n", summary.leftmost.m_x,
                  summary.leftmost.m_y);
    out += format("  furthest right        (%.0f, %.0f)\n", summary.rightmost.m_x,
                  summary.rightmost.m_y);
    for (std::size_t t = 0; t < reach.traps.size(); ++t) {
        const ReachTrap& trap = reach.traps[t];
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        std::size_t floor = 0;
        for (const std::uint32_t i : trap.nodes) {
            const Vector2& c = reach.nodes[i].centre;
            left = std::min(left, c.m_x);
            right = std::max(right, c.m_x);
            top = std::min(top, c.m_y);
            bottom = std::max(bottom, c.m_y);
        }
        for (const FloorStretch& s : summary.stretches)
            for (const FloorSample& f : s.samples)
                floor += f.trap == static_cast<int>(t);
        const Vector2& entry = reach.nodes[trap.entry].centre;
        out += format("  trap %zu                entered from (%.0f, %.0f) (%zu way%s in); "
                      "%zu states over x %.0f .. %.0f, y %.0f .. %.0f; %.0f units of floor\n",
                      t + 1, entry.m_x, entry.m_y, trap.entries, trap.entries == 1 ? "" : "s",
                      trap.nodes.size(), left, right, top, bottom, floor * kSampleStep);
    }
    return out + reachVerdict(reach, summary) + "\n";
}

std::uint32_t nearestPlace(const ReachMap& reach, const Vector2& target) {
    std::uint32_t best = 0;
    double bestDistance = 1e300;
    bool bestStands = false;
    for (std::uint32_t i = 0; i < reach.nodes.size(); ++i) {
        const ReachNode& node = reach.nodes[i];
        const double d = (node.centre - target).length();
        if (!node.lost &&
            (node.standing > bestStands || (node.standing == bestStands && d < bestDistance))) {
            best = i;
            bestDistance = d;
            bestStands = node.standing;
        }
    }
    return best;
}

std::string routeScript(const ReachMap& reach, std::uint32_t node, const std::string& name) {
    std::string out = format("leg %s start\n", name.c_str());
    const std::vector<std::uint8_t> keys = keysTo(reach, node);
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t run = i;
        while (run < keys.size() && keys[run] == keys[i])
            ++run;
        std::string letters;
        if (keys[i] & kKeyLeft)
            letters += 'A';
        if (keys[i] & kKeyRight)
            letters += 'D';
        if (keys[i] & kKeyJump)
            letters += 'W';
        out += format("%zu %s\n", run - i, letters.empty() ? "-" : letters.c_str());
        i = run;
    }
    const Vector2& c = reach.nodes[node].centre;
    return out + format("check arrived %.2f %.2f %.2f %.2f\n", c.m_x - 1, c.m_x + 1, c.m_y - 1,
                        c.m_y + 1);
}

void drawReachUnderLines(LevelPicture& picture, const ReachMap& reach) {
    for (std::uint32_t i = 0; i < reach.nodes.size(); ++i) {
        const Vector2 p = picture.toPixel(reach.nodes[i].centre);
        picture.canvas.dot(p.m_x, p.m_y, 0, reach.leadsHome[i] ? kReached : kTrapped);
    }
}

void drawReachOverLines(LevelPicture& picture, const ReachMap& reach, const ReachSummary& summary) {
    for (const FloorStretch& s : summary.stretches)
        for (const FloorSample& f : s.samples) {
            const Vector2 p = picture.toPixel(f.centre + Vector2(0, kPlayerRadius.m_y));
            picture.canvas.dot(p.m_x, p.m_y, 2,
                               f.trap >= 0 ? kTrapped
                               : f.reached ? kReached
                                           : kNeverReached);
        }
    for (const ReachTrap& trap : reach.traps) {
        const Vector2 p = picture.toPixel(reach.nodes[trap.entry].centre);
        constexpr double r = 10;
        picture.canvas.line(p.m_x - r, p.m_y - r, p.m_x + r, p.m_y + r, 1, kEntry);
        picture.canvas.line(p.m_x - r, p.m_y + r, p.m_x + r, p.m_y - r, 1, kEntry);
    }
}
