#include "lottery/CheckRows.h"

#include "lottery/DrawCalendar.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lottery {
namespace {

// The rows arrive in ticket and board order, so placing them tier by tier,
// keeping their order within a tier, sorts them without comparing any.
std::vector<CheckRow> OrderByTier(const std::vector<CheckRow>& rows) {
    std::array<std::size_t, kTierCount + 1> start{};
    for (const CheckRow& row : rows) ++start[row.TierIndex() + 1];
    for (int tier = 1; tier <= kTierCount; ++tier) start[tier] += start[tier - 1];
    std::vector<CheckRow> ordered(rows.size(), CheckRow(TicketRow(0, 0), kNoPrizeTier));
    for (const CheckRow& row : rows) ordered[start[row.TierIndex()]++] = row;
    return ordered;
}

// One row per board taking part, in ticket and board order.
std::vector<CheckRow> CheckedBoards(const TLineList& tickets, const THistoryLine& draw, bool validOnly) {
    const int drawNumber = DrawNumberOf(draw.DrawDate());
    std::vector<CheckRow> rows;
    rows.reserve(static_cast<std::size_t>(tickets.CountAllBoards()));
    for (int index = 0; index < tickets.Count(); ++index) {
        const TLine& ticket = tickets.At(index);
        if (validOnly && !TicketValidForDraw(ticket, drawNumber)) continue;
        for (int board = 1; board <= TLine::kBoardCount; ++board)
            if (ticket.BoardInUse(board))
                rows.emplace_back(TicketRow(index, board), PrizeTierCode(ticket, draw, board));
    }
    return rows;
}

}  // namespace

std::string CheckRowKey(char tierCode, int ticketNumber, int board) {
    return std::string(1, tierCode) + " " + TicketRowKey(ticketNumber, board);
}

CheckRow::CheckRow(TicketRow board, char tierCode) : TicketRow(board) {
    packed_ |= static_cast<uint32_t>(lottery::TierIndex(tierCode)) << kFreeShift;
}

std::vector<CheckRow> FillCheckRows(const TLineList& tickets, const THistoryLine& draw, bool validOnly) {
    return OrderByTier(CheckedBoards(tickets, draw, validOnly));
}

CheckCounts CountCheckRows(const std::vector<CheckRow>& rows) {
    return {static_cast<int>(rows.size()),
            static_cast<int>(
                std::count_if(rows.begin(), rows.end(), [](const CheckRow& row) { return row.Wins(); }))};
}

}  // namespace lottery
