#include "lottery/DrawCalendar.h"
#include "lottery/NumberStatistics.h"
#include "tests/lottery/LotteryTestSupport.h"
#include "tests/lottery/RealDraws.h"

#include <algorithm>
#include <numeric>

using namespace lottery;
using namespace lottery::test;

namespace {

// Each number's ball count, 1..49.
std::vector<int> BallCounts(const NumberStatistics& statistics) {
    std::vector<int> counts;
    for (int number = NumberStatistics::kLowest; number <= NumberStatistics::kHighest; ++number)
        counts.push_back(statistics.Of(number).asBall);
    return counts;
}

}  // namespace

// Counts, bonus counts and the draws since each number was last drawn, over
// the days of the range only, however the list is ordered.
TEST(NumberStatistics, CountsAndDrawsSinceWithinTheRange) {
    THistoryList history;
    history.Add({10, 11, 12, 13, 14, 15, 16}, DrawDateOf(120));
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(118));
    history.Add({1, 20, 21, 22, 23, 24, 2}, DrawDateOf(119));
    history.AddEmpty(DrawDateOf(121));
    history.Add({1, 2, 3, 4, 5, 6, 9}, DrawDateOf(117));  // before the range
    const NumberStatistics statistics(history, DrawDateOf(118), DrawDateOf(121));
    EXPECT_EQ(statistics.RecordedDraws(), 3);
    EXPECT_EQ(statistics.Of(1).asBall, 2);
    EXPECT_EQ(statistics.Of(1).drawsSince, 1);
    EXPECT_EQ(statistics.Of(1).lastDrawnOn, DrawDateOf(119));
    EXPECT_EQ(statistics.Of(2).asBall, 1);
    EXPECT_EQ(statistics.Of(2).asBonus, 1);
    EXPECT_EQ(statistics.Of(2).drawsSince, 2);
    EXPECT_EQ(statistics.Of(10).drawsSince, 0);
    EXPECT_EQ(statistics.Of(9).asBonus, 0);
    EXPECT_EQ(statistics.Of(7).asBonus, 1);
    EXPECT_EQ(statistics.Of(16).asBonus, 1);
    EXPECT_EQ(statistics.Of(49).drawsSince, NumberFigures::kNeverDrawn);
    EXPECT_EQ(statistics.Of(49).asBall, 0);
    const std::vector<int> counts = BallCounts(statistics);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 3 * 6);

    const NumberStatistics backwards(history, DrawDateOf(121), DrawDateOf(118));
    EXPECT_EQ(backwards.RecordedDraws(), 0);
}

// A day counts once, by its first entry in list order; a day that is no
// draw day (a moved draw) still counts; numbers a damaged file holds
// outside 1..49 are left out without harm.
TEST(NumberStatistics, FirstEntryOfADayOddDaysAndDamagedNumbers) {
    THistoryList history;
    history.AddEmpty(DrawDateOf(117));
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(117));
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(118));
    history.Add({8, 2, 3, 4, 5, 6, 7}, DrawDateOf(118));
    history.Add({1, 9, 10, 11, 12, 13, 14}, DrawDateOf(118) + 1);
    history.Add({-3, 50, 32767, 4, 5, 6, 99}, DrawDateOf(119));
    const NumberStatistics statistics(history, DrawDateOf(117), DrawDateOf(119));
    EXPECT_EQ(statistics.RecordedDraws(), 3);
    EXPECT_EQ(statistics.Of(1).asBall, 2);
    EXPECT_EQ(statistics.Of(8).asBall, 0);
    EXPECT_EQ(statistics.Of(4).asBall, 2);
    EXPECT_EQ(statistics.Of(7).asBonus, 1);
    EXPECT_EQ(statistics.Of(1).drawsSince, 1);
    const std::vector<int> counts = BallCounts(statistics);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 6 + 6 + 3);
}

TEST(NumberStatistics, RecordedSpanLeavesOutEmptyEntries) {
    THistoryList history;
    EXPECT_FALSE(RecordedSpan(history));
    history.AddEmpty(DrawDateOf(100));
    history.AddEmpty(DrawDateOf(300));
    EXPECT_FALSE(RecordedSpan(history));
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(200));
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(150));
    const auto span = RecordedSpan(history);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, DrawDateOf(150));
    EXPECT_EQ(span->last, DrawDateOf(200));
}

// The 49-ball draws 1 to 2065 of the real results: the most and the least
// drawn numbers agree with a count made apart from the program (awk over
// the results file).
TEST(NumberStatistics, RealDrawsOneToTwoThousandSixtyFive) {
    const std::vector<RealDraw> draws = ReadRealDraws(TALLIMO_SHARED_DATA "/uk-lotto/lotto.csv");
    if (draws.empty()) GTEST_SKIP() << "the shared draw data is not beside this checkout";
    THistoryList history;
    for (const RealDraw& draw : draws)
        if (draw.drawNumber <= 2065) history.Add(draw.numbers, draw.day);
    const auto span = RecordedSpan(history);
    ASSERT_TRUE(span);
    const NumberStatistics statistics(history, span->first, span->last);
    EXPECT_EQ(statistics.RecordedDraws(), 2065);
    const std::vector<int> counts = BallCounts(statistics);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 2065 * 6);
    const auto most = std::max_element(counts.begin(), counts.end());
    EXPECT_EQ(most - counts.begin() + 1, 23);
    EXPECT_EQ(*most, 282);
    EXPECT_EQ(*std::min_element(counts.begin(), counts.end()), 215);
    EXPECT_EQ(statistics.Of(13).asBall, 215);
    EXPECT_EQ(statistics.Of(20).asBall, 215);
    EXPECT_EQ(statistics.Of(20).asBonus, 50);
}
