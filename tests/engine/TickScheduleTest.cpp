// The loop's arithmetic: elapsed milliseconds to ticks and tick fractions.
#include <gtest/gtest.h>
#include <vector>

#include "TickSchedule.h"

namespace {

std::vector<double> fractionsFor(std::uint32_t elapsedMs) {
    std::vector<double> fractions;
    double tickFraction = -1.0;
    runTicks(ticksForElapsed(elapsedMs), tickFraction, [&] { fractions.push_back(tickFraction); });
    return fractions;
}

} // namespace

TEST(TickSchedule, JustUnderOneTickRunsOneShortenedTick) {
    const std::vector<double> fractions = fractionsFor(33);
    ASSERT_EQ(fractions.size(), 1u);
    EXPECT_NEAR(fractions[0], 0.99, 0.001);
}

TEST(TickSchedule, JustOverOneTickRunsAWholeTickAndASliver) {
    const std::vector<double> fractions = fractionsFor(34);
    ASSERT_EQ(fractions.size(), 2u);
    EXPECT_EQ(fractions[0], 1.0);
    EXPECT_NEAR(fractions[1], 0.02, 0.001);
}

TEST(TickSchedule, OneMillisecondStillRunsATick) {
    const std::vector<double> fractions = fractionsFor(1);
    ASSERT_EQ(fractions.size(), 1u);
    EXPECT_NEAR(fractions[0], 0.03, 0.001);
}

TEST(TickSchedule, LongStallIsCutToTenWholeTicks) {
    EXPECT_EQ(ticksForElapsed(500), 10.0);
    const std::vector<double> fractions = fractionsFor(500);
    EXPECT_EQ(fractions, std::vector<double>(10, 1.0));
}

TEST(TickSchedule, NoElapsedTimeRunsNoTick) {
    EXPECT_TRUE(fractionsFor(0).empty());
}

TEST(TickSchedule, DivisionIsDoneInSinglePrecision) {
    // In double precision 50 ms would be 1.5000015000015 ticks.
    EXPECT_EQ(ticksForElapsed(50), 1.5000014305114746);
    EXPECT_EQ(ticksForElapsed(33), 0.99000096321105957);
    EXPECT_EQ(ticksForElapsed(1), 0.030000029131770134);
}

TEST(TickSchedule, FractionsOfTwoAndAHalfTicks) {
    std::vector<double> fractions;
    double tickFraction = 0.0;
    const int ticks = runTicks(2.5, tickFraction, [&] { fractions.push_back(tickFraction); });
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(fractions, (std::vector<double>{1.0, 1.0, 0.5}));
}
