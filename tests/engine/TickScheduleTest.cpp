// The loop's arithmetic: elapsed milliseconds to ticks and tick fractions.
#include <gtest/gtest.h>
#include <vector>

#include "TickSchedule.h"

namespace {

struct Schedule {
    const char* name;
    std::uint32_t elapsedMs;
    double ticksDue;
    std::vector<double> fractions;
};

// Ticks are counted in single precision: in double precision 50 ms would be
// 1.5000015000015 ticks.
const Schedule SCHEDULES[] = {
    {"no time runs no tick", 0, 0.0, {}},
    {"one millisecond still runs a tick", 1, 0.030000029131770134, {0.030000029131770134}},
    {"just under a tick runs one shortened tick", 33, 0.99000096321105957, {0.99000096321105957}},
    {"just over a tick runs a whole one and a sliver",
     34,
     1.0200009346008301,
     {1.0, 0.020000934600830078}},
    {"a tick and a half", 50, 1.5000014305114746, {1.0, 0.50000143051147461}},
    {"a long stall is cut to ten whole ticks", 500, 10.0, std::vector<double>(10, 1.0)},
};

} // namespace

TEST(TickSchedule, ElapsedTimeBecomesWholeTicksAndAShortenedLastOne) {
    for (const Schedule& row : SCHEDULES) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ticksForElapsed(row.elapsedMs), row.ticksDue);
        std::vector<double> fractions;
        double tickFraction = -1.0;
        const int ran = runTicks(ticksForElapsed(row.elapsedMs), tickFraction,
                                 [&] { fractions.push_back(tickFraction); });
        EXPECT_EQ(fractions, row.fractions);
        EXPECT_EQ(ran, static_cast<int>(row.fractions.size()));
    }
}
