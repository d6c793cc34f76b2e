#include "lottery/CheckRows.h"
#include "lottery/DrawCalendar.h"
#include "lottery/PrizeTier.h"
#include "tests/lottery/LotteryTestSupport.h"

using namespace lottery;
using namespace lottery::test;

namespace {

THistoryLine Draw(const THistoryLine::Numbers& numbers, int drawNumber = 118) {
    THistoryLine draw;
    draw.SetResult(numbers, DrawDateOf(drawNumber));
    return draw;
}

TLine Ticket(std::initializer_list<TLine::Board> boards, int16_t drawDays = 0) {
    TLine ticket;
    ticket.SetTicket(BoardsOf(boards), "", DrawDateOf(117), TLine::kUnlimitedWeeks, drawDays);
    return ticket;
}

std::vector<std::string> KeysOf(const std::vector<CheckRow>& rows) {
    std::vector<std::string> keys;
    for (const CheckRow& row : rows) keys.push_back(row.Key());
    return keys;
}

const TLine::Board kNoWin{40, 41, 42, 43, 44, 45};
const TLine::Board kThreeBalls{1, 2, 3, 40, 41, 42};
const TLine::Board kJackpot{1, 2, 3, 4, 5, 6};

struct TierCase {
    TLine::Board board;
    char tier;
};

void PrintTo(const TierCase& tierCase, std::ostream* out) {
    for (int16_t number : tierCase.board) *out << number << ' ';
    *out << "gives " << tierCase.tier;
}

class PrizeTierTest : public ::testing::TestWithParam<TierCase> {};

}  // namespace

// Balls 1 2 3 4 5 6, bonus 7.
TEST_P(PrizeTierTest, BoardAgainstBalls1To6Bonus7) {
    const TLine ticket = Ticket({GetParam().board});
    EXPECT_EQ(PrizeTierCode(ticket, Draw({1, 2, 3, 4, 5, 6, 7}), 1), GetParam().tier);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, PrizeTierTest,
    ::testing::Values(TierCase{{1, 2, 3, 4, 5, 6}, '1'}, TierCase{{1, 2, 3, 4, 5, 7}, '2'},
                      TierCase{{1, 2, 3, 4, 5, 8}, '3'}, TierCase{{1, 2, 3, 4, 8, 9}, '4'},
                      TierCase{{1, 2, 3, 8, 9, 10}, '5'},
                      // the bonus ball never lifts two balls to a prize
                      TierCase{{1, 2, 7, 8, 9, 10}, '6'}, TierCase{{7, 8, 9, 10, 11, 12}, '6'},
                      // nor does it count as a sixth ball
                      TierCase{{2, 3, 4, 5, 6, 7}, '2'}, TierCase{{1, 2, 3, 4, 7, 8}, '4'},
                      // the order of the board's numbers does not matter
                      TierCase{{6, 5, 4, 3, 2, 1}, '1'}, TierCase{{7, 5, 4, 3, 2, 1}, '2'}));

TEST(Checking, NumbersMarkedOnAFiveAndBonusBoard) {
    const THistoryLine draw = Draw({1, 2, 3, 4, 5, 6, 7});
    const TLine ticket = Ticket({{2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 8}});
    for (int position = 1; position <= 5; ++position) {
        EXPECT_TRUE(BoardNumberDrawn(ticket, draw, 1, position)) << position;
        EXPECT_FALSE(BoardNumberIsBonus(ticket, draw, 1, position)) << position;
    }
    EXPECT_FALSE(BoardNumberDrawn(ticket, draw, 1, 6));
    EXPECT_TRUE(BoardNumberIsBonus(ticket, draw, 1, 6));
    EXPECT_TRUE(BoardHoldsBonus(ticket, draw, 1));
    EXPECT_FALSE(BoardHoldsBonus(ticket, draw, 2));
    EXPECT_FALSE(BoardNumberDrawn(ticket, draw, 2, 6));
}

// A damaged file can hold any 16-bit number: each still matches only a ball
// equal to it, whether or not it fits the word of small balls.
TEST(Checking, NumbersOutsideTheBallsMatchOnlyEqualBalls) {
    const THistoryLine draw = Draw({-3, 0, 63, 64, 100, 32767, -32768});
    const TLine ticket = Ticket({{-3, 0, 63, 64, 100, 32767},
                                 {100, 0, 63, 64, -3, -32768},
                                 {1, 62, 65, 99, -4, -32768},
                                 {36, 38, 63, 64, 100, 32767}});
    EXPECT_EQ(PrizeTierCode(ticket, draw, 1), '1');
    EXPECT_EQ(PrizeTierCode(ticket, draw, 2), '2');
    EXPECT_EQ(PrizeTierCode(ticket, draw, 3), '6');
    EXPECT_EQ(PrizeTierCode(ticket, draw, 4), '4');
    for (int position = 1; position <= 5; ++position) EXPECT_FALSE(BoardNumberDrawn(ticket, draw, 3, position));
    EXPECT_TRUE(BoardNumberDrawn(ticket, draw, 2, 1));
    EXPECT_TRUE(BoardNumberIsBonus(ticket, draw, 3, 6));
}

TEST(Checking, EachScreensWordingOfTheTiers) {
    const std::vector<std::pair<char, std::array<std::string, 3>>> wording{
        {'1', {"Jackpot! 6 Balls", "JACKPOT! 6 Numbers", "\tJackpot! 6 Balls"}},
        {'2', {"5 and the Bonus", "5 Balls and the Bonus", "\t5 and the Bonus"}},
        {'3', {"5 Balls", "5 Balls", "\t5 Balls"}},
        {'4', {"4 Balls", "4 Balls", "\t4 Balls"}},
        {'5', {"3 Balls", "3 Balls", "\t3 Balls"}},
        {'6', {"", "Nothing", "\t"}},
        {'0', {"", "Nothing", "\t"}},
        {'9', {"", "Nothing", "\t"}},
    };
    for (const auto& [code, texts] : wording) {
        EXPECT_EQ(ResultSheetTierText(code), texts[0]) << code;
        EXPECT_EQ(TicketDisplayTierText(code), texts[1]) << code;
        EXPECT_EQ(PrintedTierText(code), texts[2]) << code;
    }
}

TEST(Checking, AnUnrecordedDrawWinsNothing) {
    TLineList tickets;
    tickets.AddTicket(BoardsOf({kJackpot, kThreeBalls}), "", DrawDateOf(117), 9, 0);
    THistoryLine unrecorded;
    unrecorded.SetResult({}, DrawDateOf(118));
    const std::vector<CheckRow> rows = FillCheckRows(tickets, unrecorded, false);
    EXPECT_EQ(KeysOf(rows), (std::vector<std::string>{"6 01-A", "6 01-B"}));
    const CheckCounts counts = CountCheckRows(rows);
    EXPECT_EQ(counts.boardsChecked, 2);
    EXPECT_EQ(counts.winningBoards, 0);
}

TEST(Checking, RowsStandByTierThenTicketThenBoard) {
    TLineList tickets;
    tickets.AddTicket(BoardsOf({kNoWin, kThreeBalls, kNoWin, kJackpot}), "first", DrawDateOf(117), 9, 0);
    tickets.AddTicket(BoardsOf({kNoWin, kJackpot, kNoWin}), "second", DrawDateOf(117), 9, 0);
    const std::vector<CheckRow> rows = FillCheckRows(tickets, Draw({1, 2, 3, 4, 5, 6, 7}), false);
    EXPECT_EQ(KeysOf(rows), (std::vector<std::string>{"1 01-D", "1 02-B", "5 01-B", "6 01-A", "6 01-C",
                                                      "6 02-A", "6 02-C"}));
    EXPECT_EQ(&tickets.TicketOf(rows[1]), &tickets.At(1));
    EXPECT_EQ(rows[1].Tier(), kJackpotTier);
    EXPECT_EQ(rows[1].Board(), 2);
    const CheckCounts counts = CountCheckRows(rows);
    EXPECT_EQ(counts.boardsChecked, 7);
    EXPECT_EQ(counts.winningBoards, 3);
}

// Sorting the row texts put ticket 100 between tickets 10 and 11.
TEST(Checking, ThreeDigitTicketNumbersSortByNumberNotByText) {
    TLineList tickets;
    for (int number = 1; number <= 120; ++number) {
        const bool wins = number == 9 || number == 10 || number == 11 || number == 100 || number == 101;
        tickets.AddTicket(BoardsOf({kNoWin, kNoWin, wins ? kThreeBalls : kNoWin}), "", DrawDateOf(117), 9, 0);
    }
    const std::vector<CheckRow> rows = FillCheckRows(tickets, Draw({1, 2, 3, 4, 5, 6, 7}), false);
    ASSERT_EQ(rows.size(), 360u);
    const std::vector<std::string> keys = KeysOf(rows);
    const std::vector<std::string> winners(keys.begin(), keys.begin() + 5);
    EXPECT_EQ(winners, (std::vector<std::string>{"5 09-C", "5 10-C", "5 11-C", "5 100-C", "5 101-C"}));
    EXPECT_EQ(rows[3].TicketNumber(), 100);
    EXPECT_EQ(rows[3].Board(), 3);
    EXPECT_EQ(rows[3].Key().back(), 'C');
    // Eight tickets of three losing boards, then two boards each of 09 and 10.
    EXPECT_EQ(keys[5 + 8 * 3 + 3], "6 10-B");
    EXPECT_EQ(keys[5 + 8 * 3 + 4], "6 11-A");
    EXPECT_EQ(keys.back(), "6 120-C");
}

TEST(Checking, ValidOnlyLeavesOutTicketsNotEnteredForTheDraw) {
    TLineList tickets;
    tickets.AddTicket(BoardsOf({kJackpot}), "Wednesday only", DrawDateOf(117), 9, 1);
    tickets.AddTicket(BoardsOf({kThreeBalls, kNoWin}), "both", DrawDateOf(117), 9, 0);
    tickets.AddTicket(BoardsOf({kThreeBalls}), "one week, ended", DrawDateOf(117), 1, 0);
    tickets.AddTicket(BoardsOf({kThreeBalls}), "starts later", DrawDateOf(130), 9, 0);
    const THistoryLine saturday = Draw({1, 2, 3, 4, 5, 6, 7}, 120);

    EXPECT_EQ(KeysOf(FillCheckRows(tickets, saturday, false)),
              (std::vector<std::string>{"1 01-A", "5 02-A", "5 03-A", "5 04-A", "6 02-B"}));
    EXPECT_EQ(KeysOf(FillCheckRows(tickets, saturday, true)), (std::vector<std::string>{"5 02-A", "6 02-B"}));
    const THistoryLine wednesday = Draw({1, 2, 3, 4, 5, 6, 7}, 119);
    EXPECT_EQ(KeysOf(FillCheckRows(tickets, wednesday, true)),
              (std::vector<std::string>{"1 01-A", "5 02-A", "6 02-B"}));
}

// A row is one packed word: the last ticket, the tenth board and every tier
// must come back out of it unharmed.
TEST(Checking, RowsHoldTheLastTicketTheLastBoardAndEveryTier) {
    const TicketRow last(TLineList::kMaxTickets - 1, TLine::kBoardCount);
    EXPECT_EQ(last.TicketNumber(), TLineList::kMaxTickets);
    EXPECT_EQ(last.Board(), TLine::kBoardCount);
    EXPECT_EQ(last.Key(), "32767-J");
    for (char tier = kJackpotTier; tier <= kNoPrizeTier; ++tier) {
        const CheckRow row(last, tier);
        EXPECT_EQ(row.Tier(), tier);
        EXPECT_EQ(row.TicketNumber(), TLineList::kMaxTickets);
        EXPECT_EQ(row.Board(), TLine::kBoardCount);
    }
}
