#include "lottery/CheckRows.h"

#include "lottery/DrawCalendar.h"

#include <algorithm>
#include <array>

namespace lottery {
namespace {

// The rows arrive in ticket and board order, so placing them tier by tier,
// keeping their order within a tier, gives the sheet's order without
// comparing rows at all. The text order of the keys would put ticket 100
// between tickets 10 and 11; the sheet orders by ticket number instead.
std::vector<CheckRow> OrderByTier(const std::vector<CheckRow>& rows) {
    std::array<std::size_t, kTierCount + 1> start{};
    for (const CheckRow& row : rows) ++start[TierIndex(row.tier) + 1];
    for (int tier = 1; tier <= kTierCount; ++tier) start[tier] += start[tier - 1];
    std::vector<CheckRow> ordered(rows.size());
    for (const CheckRow& row : rows) ordered[start[TierIndex(row.tier)]++] = row;
    return ordered;
}

}  // namespace

std::string CheckRowKey(char tierCode, int ticketNumber, int board) {
    return std::string(1, tierCode) + " " + TicketRowKey(ticketNumber, board);
}

std::vector<CheckRow> FillCheckRows(const TLineList& tickets, const THistoryLine& draw, bool validOnly) {
    const int drawNumber = DrawNumberOf(draw.DrawDate());
    std::vector<CheckRow> rows;
    rows.reserve(static_cast<std::size_t>(tickets.Count()) * TLine::kBoardCount);
    for (int index = 0; index < tickets.Count(); ++index) {
        const TLine& ticket = tickets.At(index);
        if (validOnly && !TicketValidForDraw(ticket, drawNumber)) continue;
        for (int board = 1; board <= TLine::kBoardCount; ++board)
            if (ticket.BoardInUse(board))
                rows.push_back({&ticket, index + 1, board, PrizeTierCode(ticket, draw, board)});
    }
    return OrderByTier(rows);
}

CheckCounts CountCheckRows(const std::vector<CheckRow>& rows) {
    return {static_cast<int>(rows.size()),
            static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const CheckRow& row) { return row.Wins(); }))};
}

}  // namespace lottery
