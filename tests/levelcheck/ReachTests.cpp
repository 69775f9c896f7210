// The reach search on hand-built levels just either side of what a jump can
// do, its determinism, and its routes replayed through the real game. Each
// level is a ground outline (corners listed along its top, left to right)
// and free-standing slabs; the player starts at the game's start (400, 0).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ReachReport.h"

namespace {

using Corners = std::vector<Vector2>;

// A jump lifts the centre 95; a corner met below the centre is stepped over,
// so what a jump leaves or reaches ends about half the player's height higher.
constexpr double PIT_LEFT = 120, PIT_TRAP = 135;
constexpr double LEDGE_REACHED = 120, LEDGE_MISSED = 135;

// Lines of a closed outline whose top is listed left to right, facing out.
void addOutline(std::vector<Line2>& lines, const Corners& corners) {
    for (std::size_t i = 0; i < corners.size(); ++i)
        lines.emplace_back(corners[(i + 1) % corners.size()], corners[i]);
}

// A floor at y 400 from x 100 to 1300 between walls too high to jump, with
// `middle` (corners between x 600 and 900) let into it.
std::vector<Line2> groundWith(const Corners& middle) {
    Corners corners{{0, 1000}, {0, -300}, {100, -300}, {100, 400}, {600, 400}};
    corners.insert(corners.end(), middle.begin(), middle.end());
    corners.insert(corners.end(),
                   {{900, 400}, {1300, 400}, {1300, -300}, {1400, -300}, {1400, 1000}});
    std::vector<Line2> lines;
    addOutline(lines, corners);
    return lines;
}

std::vector<Line2> pit(double depth) {
    return groundWith({{600, 400 + depth}, {900, 400 + depth}});
}

std::vector<Line2> ledge(double height) {
    std::vector<Line2> lines = groundWith({});
    addOutline(
        lines,
        {{700, 400 - height}, {820, 400 - height}, {820, 416 - height}, {700, 416 - height}});
    return lines;
}

// A 63-degree slope down to the right under the start, ending above a
// chasm: walking down it falls in; the throw of a slope jump carries the
// player across, onto floor it cannot come back from.
std::vector<Line2> steepSlope() {
    std::vector<Line2> lines;
    addOutline(lines, {{0, 1000},
                       {0, -300},
                       {100, -300},
                       {100, 300},
                       {350, 300},
                       {450, 500},
                       {450, 900},
                       {500, 900},
                       {500, 470},
                       {1300, 470},
                       {1300, -300},
                       {1400, -300},
                       {1400, 1000}});
    return lines;
}

// The start floor between walls too high to jump; more floor on their tops.
std::vector<Line2> boxedStart() {
    std::vector<Line2> lines;
    addOutline(lines, {{0, 1000},
                       {0, -300},
                       {100, -300},
                       {100, 150},
                       {250, 150},
                       {250, 400},
                       {550, 400},
                       {550, 150},
                       {1300, 150},
                       {1300, -300},
                       {1400, -300},
                       {1400, 1000}});
    return lines;
}

const FloorSample* standingNear(const ReachSummary& summary, double x, double y) {
    for (const FloorStretch& s : summary.stretches)
        for (const FloorSample& f : s.samples)
            if (std::abs(f.centre.m_x - x) <= 4 && std::abs(f.centre.m_y - y) <= 4)
                return &f;
    return nullptr;
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

void PrintTo(const ReachCase& c, std::ostream* out) {
    *out << c.name;
}

class Reach : public testing::TestWithParam<ReachCase> {};

TEST_P(Reach, FindsWhatAPlayerCanGetTo) {
    const ReachCase& c = GetParam();
    const ReachMap reach = exploreReach(c.lines);
    const ReachSummary summary = summarizeReach(c.lines, reach);
    EXPECT_EQ(reach.traps.size(), c.traps) << reachReport(reach, summary);
    const FloorSample* place = standingNear(summary, c.place.m_x, c.place.m_y);
    ASSERT_NE(place, nullptr) << "no floor to stand on at " << c.place.m_x << ", " << c.place.m_y;
    EXPECT_EQ(place->reached, c.reached) << reachReport(reach, summary);
    if (c.traps > 0 && !reach.traps.empty()) {
        const Vector2& entry = reach.nodes[reach.traps.front().entry].centre;
        EXPECT_GE(entry.m_x, c.entryFrom) << reachReport(reach, summary);
        EXPECT_LE(entry.m_x, c.entryTo) << reachReport(reach, summary);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandBuiltLevels, Reach,
    testing::Values(
        ReachCase{"PitShallowerThanAJumpIsLeft", pit(PIT_LEFT), 0, {1000, 368}, true},
        ReachCase{"PitDeeperThanAJumpIsATrap", pit(PIT_TRAP), 1, {1000, 368}, false, 560, 640},
        ReachCase{"LedgeBelowTheApexIsReached",
                  ledge(LEDGE_REACHED),
                  0,
                  {760, 368 - LEDGE_REACHED},
                  true},
        ReachCase{
            "LedgeAboveTheApexIsNot", ledge(LEDGE_MISSED), 0, {760, 368 - LEDGE_MISSED}, false},
        ReachCase{"SteepSlopeIsLeftOnlyByASlopeJump", steepSlope(), 1, {700, 438}, true, 340, 500},
        ReachCase{"StartFloorLeadingNowhere", boxedStart(), 0, {1000, 118}, false}),
    [](const testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

TEST(ReachSearch, GivesTheSameReportTwice) {
    const std::vector<Line2> lines = pit(105);
    const ReachMap first = exploreReach(lines), second = exploreReach(lines);
    const auto withoutTimes = [&](const ReachMap& reach) {
        const std::string text = reachReport(reach, summarizeReach(lines, reach));
        return text.substr(text.find('\n', text.find("explored")));
    };
    EXPECT_EQ(withoutTimes(first), withoutTimes(second));
    ASSERT_EQ(first.nodes.size(), second.nodes.size());
    const std::uint32_t far = nearestPlace(first, Vector2(1250, 368));
    EXPECT_EQ(routeScript(first, far, "r"), routeScript(second, far, "r"));
}

} // namespace
