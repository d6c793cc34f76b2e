#pragma once

#include "lottery/PrizeTier.h"
#include "lottery/THistoryLine.h"
#include "lottery/TLineList.h"
#include "lottery/TicketRow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lottery {

// The result sheet's row key: the tier code, a blank and the board's
// TicketRowKey, for example "5 01-A" or "6 100-C".
std::string CheckRowKey(char tierCode, int ticketNumber, int board);

// One checked board of one ticket, with its prize tier in the high bits of
// the row's word: ordering the words orders the sheet by tier, then ticket
// number, then board (ordering the row keys as text would put ticket 100
// between tickets 10 and 11).
class CheckRow : public TicketRow {
public:
    CheckRow(TicketRow board, char tierCode);

    char Tier() const { return static_cast<char>(kJackpotTier + TierIndex()); }
    int TierIndex() const { return static_cast<int>(packed_ >> kFreeShift); }
    bool Wins() const { return Tier() != kNoPrizeTier; }
    std::string Key() const { return CheckRowKey(Tier(), TicketNumber(), Board()); }
};

struct CheckCounts {
    int boardsChecked = 0;
    int winningBoards = 0;
};

// Every used board of every ticket taking part (with validOnly, only the
// tickets entered for the draw), ordered by tier, then ticket number, then
// board letter.
std::vector<CheckRow> FillCheckRows(const TLineList& tickets, const THistoryLine& draw, bool validOnly);
// Of rows in that order.
CheckCounts CountCheckRows(const std::vector<CheckRow>& rows);

}  // namespace lottery
