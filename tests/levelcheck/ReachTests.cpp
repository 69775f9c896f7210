// The reach search on hand-built levels just either side of what a jump can
// do, and its determinism. Each level is a ground outline (corners listed
// along its top, left to right) and free-standing slabs; the player starts at
// the game's start (400, 0).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ReachReport.h"

namespace {

// A jump lifts the centre 95; a corner met below the centre is stepped over,
// so what a jump leaves or reaches ends about half the player's height higher.
constexpr double PIT_LEFT = 120, PIT_TRAP = 135;
constexpr double LEDGE_REACHED = 120, LEDGE_MISSED = 135;

// Lines of a closed outline whose top is listed left to right as x, y
// pairs, facing out.
void addOutline(std::vector<Line2>& lines, const std::vector<double>& xy) {
    for (std::size_t i = 0; i < xy.size(); i += 2) {
        const std::size_t next = (i + 2) % xy.size();
        lines.emplace_back(Vector2(xy[next], xy[next + 1]), Vector2(xy[i], xy[i + 1]));
    }
}

// Ground from x 100 to 1300 between walls too high to jump; `top` lists its
// top from (100, y) to (1300, y).
std::vector<Line2> walled(const std::vector<double>& top) {
    std::vector<double> xy{0, 1000, 0, -300, 100, -300};
    xy.insert(xy.end(), top.begin(), top.end());
    xy.insert(xy.end(), {1300, -300, 1400, -300, 1400, 1000});
    std::vector<Line2> lines;
    addOutline(lines, xy);
    return lines;
}

// A floor at y 400 with a pit from x 600 to 900.
std::vector<Line2> pit(double depth) {
    return walled({100, 400, 600, 400, 600, 400 + depth, 900, 400 + depth, 900, 400, 1300, 400});
}

// A slab over a floor at y 400.
std::vector<Line2> ledge(double height) {
    std::vector<Line2> lines = walled({100, 400, 600, 400, 900, 400, 1300, 400});
    const double top = 400 - height;
    addOutline(lines, {700, top, 820, top, 820, top + 16, 700, top + 16});
    return lines;
}

// A 63-degree slope down to the right under the start, ending above a
// chasm: walking down it falls in; the throw of a slope jump carries the
// player across, onto floor it cannot come back from.
std::vector<Line2> steepSlope() {
    return walled({100, 300, 350, 300, 450, 500, 450, 900, 500, 900, 500, 470, 1300, 470});
}

// The start floor between walls too high to jump; more floor on their tops.
std::vector<Line2> boxedStart() {
    return walled({100, 150, 250, 150, 250, 400, 550, 400, 550, 150, 1300, 150});
}

// A copy of the sample standing within 4 units of `at`, if any.
std::optional<FloorSample> standingNear(const ReachSummary& summary, const Vector2& at) {
    for (const FloorStretch& s : summary.stretches)
        for (const FloorSample& f : s.samples)
            if (std::abs(f.centre.m_x - at.m_x) <= 4 && std::abs(f.centre.m_y - at.m_y) <= 4)
                return f;
    return std::nullopt;
}

struct ReachCase {
    const char* name;
    std::vector<Line2> lines;
    std::size_t traps;
    // A place to stand on and whether it is reached.
    Vector2 place;
    bool reached;
    // Where the first trap is entered from, when there is one: its x range.
    double entryFrom = 0, entryTo = 0;
};

class Reach : public testing::TestWithParam<ReachCase> {};

// A second search of the same level must tell the same, times apart.
TEST_P(Reach, FindsWhatAPlayerCanGetToTheSameWayTwice) {
    const ReachCase& c = GetParam();
    const ReachMap reach = exploreReach(c.lines), again = exploreReach(c.lines);
    const std::string report = reachReport(reach, summarizeReach(c.lines, reach));
    const auto untimed = [](const std::string& text) {
        return text.substr(text.find('\n', text.find("explored")));
    };
    EXPECT_EQ(untimed(reachReport(again, summarizeReach(c.lines, again))), untimed(report));
    EXPECT_EQ(reach.traps.size(), c.traps) << report;
    const std::optional<FloorSample> place = standingNear(summarizeReach(c.lines, reach), c.place);
    ASSERT_TRUE(place) << "no floor to stand on at " << c.place.m_x << ", " << c.place.m_y;
    EXPECT_EQ(place->reached, c.reached) << report;
    if (c.traps > 0 && !reach.traps.empty()) {
        const Vector2& entry = reach.nodes[reach.traps.front().entry].centre;
        EXPECT_TRUE(entry.m_x >= c.entryFrom && entry.m_x <= c.entryTo) << report;
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandBuiltLevels, Reach,
    testing::Values(
        ReachCase{"PitShallowerThanAJumpIsLeft", pit(PIT_LEFT), 0, Vector2(1000, 368), true},
        ReachCase{"PitDeeperThanAJumpIsATrap", pit(PIT_TRAP), 1, Vector2(1000, 368), false, 560,
                  640},
        ReachCase{"LedgeBelowTheApexIsReached", ledge(LEDGE_REACHED), 0,
                  Vector2(760, 368 - LEDGE_REACHED), true},
        ReachCase{"LedgeAboveTheApexIsNot", ledge(LEDGE_MISSED), 0,
                  Vector2(760, 368 - LEDGE_MISSED), false},
        ReachCase{"SteepSlopeIsLeftOnlyByASlopeJump", steepSlope(), 1, Vector2(700, 438), true, 340,
                  500},
        ReachCase{"StartFloorLeadingNowhere", boxedStart(), 0, Vector2(1000, 118), false}),
    [](const testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

} // namespace
