// The most the files can hold: 32767 tickets of ten boards and 32767 draw
// results load, change, save and load again exactly, and one more is refused.
#include "lottery/LotteryError.h"
#include "tests/lottery/LotteryTestSupport.h"

using namespace lottery;
using namespace lottery::test;

namespace {

// Ten different boards for each ticket, the numbers varying with the ticket.
TLine::BoardArray TenBoards(int ticket) {
    TLine::BoardArray boards{};
    for (int b = 0; b < TLine::kBoardCount; ++b)
        for (int n = 0; n < TLine::kNumbersPerBoard; ++n)
            boards[b][n] = static_cast<int16_t>(1 + (ticket + b + n * 8) % 49);
    return boards;
}

std::string RefusalOf(const std::function<void()>& add) {
    try {
        add();
    } catch (const LotteryError& error) {
        return error.what();
    }
    return "not refused";
}

class LargestDataTest : public DataFileTest {};

}  // namespace

TEST_F(LargestDataTest, FullTicketFileRoundTripsAndRefusesOneMore) {
    LotteryState written = State();
    for (int ticket = 1; ticket <= TLineList::kMaxTickets; ++ticket)
        written.AddTicket(TenBoards(ticket), std::string(ticket % 256, 'a' + ticket % 26),
                          DrawDateOf(117 + ticket % 3000), static_cast<int16_t>(1 + ticket % 9),
                          static_cast<int16_t>(ticket % 3));
    written.SaveTickets();

    LotteryState loaded = State();
    loaded.LoadTickets();
    ASSERT_EQ(loaded.TicketCount(), TLineList::kMaxTickets);
    EXPECT_TRUE(loaded.TicketList() == written.TicketList());
    EXPECT_EQ(loaded.CountTickets().boards, TLineList::kMaxTickets * TLine::kBoardCount);

    loaded.ReplaceTicket(loaded.TicketList().At(0), TenBoards(7), "edited", DrawDateOf(3000), 9, 0);
    loaded.DeleteTicket(loaded.TicketList().At(16383));
    loaded.AddTicket(TenBoards(8), "last", DrawDateOf(3001), 2, 1);
    loaded.SaveTickets();
    LotteryState reloaded = State();
    reloaded.LoadTickets();
    EXPECT_TRUE(reloaded.TicketList() == loaded.TicketList());
    EXPECT_EQ(reloaded.TicketList().At(0).Description(), "edited");
    EXPECT_EQ(reloaded.TicketList().At(TLineList::kMaxTickets - 1).Description(), "last");

    EXPECT_EQ(RefusalOf([&] { reloaded.AddTicket(TenBoards(9), "one too many", DrawDateOf(3002), 1, 0); }),
              "Cannot add the ticket: Tallimo can keep at most 32767 tickets.\r\n\r\n"
              "Delete tickets you no longer need, then add it again.");
    EXPECT_TRUE(reloaded.TicketList() == loaded.TicketList());
}

TEST_F(LargestDataTest, FullHistoryFileRoundTripsAndRefusesOneMore) {
    LotteryState written = State();
    for (int draw = THistoryList::kMaxEntries; draw >= 1; --draw)
        written.AddDrawResult({static_cast<int16_t>(1 + draw % 43), 44, 45, 46, 47, 48, 49}, DrawDateOf(draw));
    written.SaveHistory();

    // Every draw up to the latest is there already, so loading adds nothing.
    LotteryState loaded = State();
    loaded.LoadHistory();
    ASSERT_EQ(loaded.DrawHistory().Count(), THistoryList::kMaxEntries);
    EXPECT_TRUE(loaded.DrawHistory() == written.DrawHistory());

    const THistoryLine& draw1 = *loaded.DrawHistory().FindDrawOn(DrawDateOf(1));
    loaded.SetDrawResult(draw1, {9, 8, 7, 6, 5, 4, 3}, DrawDateOf(1));
    loaded.SaveHistory();
    LotteryState reloaded = State();
    reloaded.LoadHistory();
    EXPECT_TRUE(reloaded.DrawHistory() == loaded.DrawHistory());
    EXPECT_EQ(reloaded.DrawNumbersText(1), "\t04\t05\t06\t07\t08\t09\t03");

    EXPECT_EQ(RefusalOf([&] { reloaded.AddDrawResult({1, 2, 3, 4, 5, 6, 7}, DrawDateOf(1)); }),
              "Cannot add the draw result: Tallimo can keep at most 32767 draw results.");
    EXPECT_TRUE(reloaded.DrawHistory() == loaded.DrawHistory());
}
