#include "lottery/DrawCalendar.h"
#include "lottery/TicketRun.h"
#include "tests/lottery/LotteryTestSupport.h"

#include <limits>
#include <sstream>

using namespace lottery;
using namespace lottery::test;

namespace {

const TLine::Board kThreeBalls{1, 2, 3, 40, 41, 42};
const TLine::Board kFourBalls{1, 2, 3, 4, 41, 42};
const TLine::Board kNoWin{30, 31, 32, 33, 34, 35};
const THistoryLine::Numbers kResult{1, 2, 3, 4, 5, 6, 7};

TLine Ticket(std::initializer_list<TLine::Board> boards, int drawNumber, int16_t weeks, int16_t drawDays) {
    TLine ticket;
    ticket.SetTicket(BoardsOf(boards), "", DrawDateOf(drawNumber), weeks, drawDays);
    return ticket;
}

std::vector<int> DrawNumbers(const TicketRun& run) {
    std::vector<int> numbers;
    for (const RunDraw& draw : run.draws) numbers.push_back(draw.drawNumber);
    return numbers;
}

}  // namespace

// The run follows the calendar: only the ticket's draw days, from its start
// to its last draw or today, whichever comes first.
TEST(TicketRun, DrawsOfTheRunAsTheCalendarGivesThem) {
    const THistoryList none;
    const DayNumber farAhead = DrawDateOf(400);
    EXPECT_EQ(DrawNumbers(RunOfTicket(Ticket({kNoWin}, 117, 2, 1), none, farAhead)), (std::vector<int>{117, 119}));
    EXPECT_EQ(DrawNumbers(RunOfTicket(Ticket({kNoWin}, 118, 2, 0), none, farAhead)),
              (std::vector<int>{118, 119, 120, 121}));
    EXPECT_EQ(DrawNumbers(RunOfTicket(Ticket({kNoWin}, 118, 2, 2), none, farAhead)), (std::vector<int>{118, 120}));
    // Unlimited from the first draw: Saturdays only until Wednesdays began.
    const TicketRun sinceTheStart =
        RunOfTicket(Ticket({kNoWin}, 1, TLine::kUnlimitedWeeks, 0), none, DrawDateOf(119) + 1);
    ASSERT_EQ(sinceTheStart.draws.size(), 119u);
    EXPECT_EQ(sinceTheStart.draws.back().drawNumber, 119);
    // Today's draw is part of the run; tomorrow's is not yet.
    EXPECT_EQ(DrawNumbers(RunOfTicket(Ticket({kNoWin}, 117, 9, 0), none, DrawDateOf(118))),
              (std::vector<int>{117, 118}));
    // An unlimited start that is no draw day begins with the next draw; a
    // limited one ran out in 1994 by the calendar's rule.
    TLine offDay;
    offDay.SetTicket(BoardsOf({kNoWin}), "", DrawDateOf(118) + 1, TLine::kUnlimitedWeeks, 0);
    EXPECT_EQ(RunOfTicket(offDay, none, farAhead).draws.front().drawNumber, 119);
    offDay.SetTicket(BoardsOf({kNoWin}), "", DrawDateOf(118) + 1, 1, 0);
    EXPECT_TRUE(RunOfTicket(offDay, none, farAhead).draws.empty());
}

TEST(TicketRun, NoDrawsForATicketNotYetStartedOrWithADamagedDate) {
    const THistoryList none;
    EXPECT_TRUE(RunOfTicket(Ticket({kNoWin}, 300, 9, 0), none, DrawDateOf(299)).draws.empty());
    TLine damaged;
    damaged.SetTicket(BoardsOf({kNoWin}), "", DrawDateOf(117), 9, 0);
    ByteWriter writer;
    damaged.WriteTo(writer);
    std::string bytes = writer.Bytes();
    const double notADate = std::numeric_limits<double>::quiet_NaN();
    bytes.replace(bytes.size() - 12, sizeof notADate, reinterpret_cast<const char*>(&notADate), sizeof notADate);
    std::istringstream stream(bytes);
    ByteReader reader(stream, bytes.size());
    EXPECT_TRUE(RunOfTicket(TLine(reader), none, DrawDateOf(400)).draws.empty());
}

// Each board's tier, the best of the draw, and the totals; a draw with no
// recorded result is missing whether it has no entry or an empty one, and
// it adds nothing to the tiers.
TEST(TicketRun, TiersMissingResultsAndTotals) {
    THistoryList history;
    history.Add(kResult, DrawDateOf(117));
    history.AddEmpty(DrawDateOf(119));
    history.Add(kResult, DrawDateOf(120));
    const TicketRun run = RunOfTicket(Ticket({kThreeBalls, kNoWin, kFourBalls}, 117, 2, 0), history, DrawDateOf(121));
    ASSERT_EQ(DrawNumbers(run), (std::vector<int>{117, 118, 119, 120}));
    const RunDraw& first = run.draws[0];
    EXPECT_TRUE(first.Recorded());
    EXPECT_EQ(first.tiers[0], '5');
    EXPECT_EQ(first.tiers[1], '6');
    EXPECT_EQ(first.tiers[2], '4');
    EXPECT_EQ(first.tiers[3], RunDraw::kNoBoard);
    EXPECT_EQ(first.BestTier(), '4');
    EXPECT_FALSE(run.draws[1].Recorded());  // no entry at all
    EXPECT_FALSE(run.draws[2].Recorded());  // an empty entry
    EXPECT_EQ(run.draws[2].BestTier(), kNoPrizeTier);
    EXPECT_EQ(run.missingResults, 2);
    EXPECT_EQ(run.boardsByTier, (std::array<int, kTierCount>{0, 0, 0, 2, 2, 2}));
}

// As every screen does, a draw's result is the first entry of its day in
// list order, even when a later one of that day is recorded.
TEST(TicketRun, FirstEntryOfTheDayInListOrder) {
    THistoryList history;
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(118));
    history.Add({1, 2, 3, 40, 45, 46, 7}, DrawDateOf(117));
    history.Add({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(117));
    history.AddEmpty(DrawDateOf(119));
    history.Add(kResult, DrawDateOf(119));
    const TicketRun run = RunOfTicket(Ticket({kFourBalls}, 117, 9, 0), history, DrawDateOf(119));
    ASSERT_EQ(run.draws.size(), 3u);
    EXPECT_EQ(run.draws[0].result, &history.At(1));
    EXPECT_EQ(run.draws[0].BestTier(), '5');
    EXPECT_EQ(run.draws[1].result, &history.At(0));
    EXPECT_FALSE(run.draws[2].Recorded());
}
