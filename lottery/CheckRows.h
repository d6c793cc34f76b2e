#pragma once

#include "lottery/PrizeTier.h"
#include "lottery/THistoryLine.h"
#include "lottery/TLineList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lottery {

// The result sheet's row key: the tier code, a blank and the board's
// TicketRowKey, for example "5 01-A" or "6 100-C".
std::string CheckRowKey(char tierCode, int ticketNumber, int board);

// One checked board of one ticket.
struct CheckRow {
    const TLine* ticket = nullptr;
    int ticketNumber = 0;      // 1-based position in the ticket list
    int16_t board = 0;         // 1..10
    char tier = kNoPrizeTier;  // PrizeTierCode

    std::string Key() const { return CheckRowKey(tier, ticketNumber, board); }
    bool Wins() const { return tier != kNoPrizeTier; }
};

struct CheckCounts {
    int boardsChecked = 0;
    int winningBoards = 0;
};

// Every used board of every ticket taking part (with validOnly, only the
// tickets entered for the draw), ordered by tier, then ticket number, then
// board letter.
std::vector<CheckRow> FillCheckRows(const TLineList& tickets, const THistoryLine& draw, bool validOnly);
CheckCounts CountCheckRows(const std::vector<CheckRow>& rows);

}  // namespace lottery
