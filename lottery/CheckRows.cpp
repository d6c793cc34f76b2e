#include "lottery/CheckRows.h"

#include "lottery/DrawCalendar.h"
#include "lottery/DrawMatcher.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lottery {
namespace {

// The winners arrive in ticket and board order, so placing them tier by
// tier, keeping their order within a tier, sorts them without comparing any.
std::vector<CheckRow> OrderByTier(const std::vector<CheckRow>& rows) {
    std::array<std::size_t, kTierCount + 1> start{};
    for (const CheckRow& row : rows) ++start[row.TierIndex() + 1];
    for (int tier = 1; tier <= kTierCount; ++tier) start[tier] += start[tier - 1];
    std::vector<CheckRow> ordered(rows.size(), CheckRow(TicketRow(0, 0), kNoPrizeTier));
    for (const CheckRow& row : rows) ordered[start[row.TierIndex()]++] = row;
    return ordered;
}

}  // namespace

std::string CheckRowKey(char tierCode, int ticketNumber, int board) {
    return std::string(1, tierCode) + " " + TicketRowKey(ticketNumber, board);
}

CheckRow::CheckRow(TicketRow board, char tierCode) : TicketRow(board) {
    packed_ |= static_cast<uint32_t>(lottery::TierIndex(tierCode)) << kFreeShift;
}

// Each board is checked once, straight into its row. Few boards win: the
// rows of the others are already in their final order, so only the winners
// are set aside and sorted, then put in front of them.
std::vector<CheckRow> FillCheckRows(const TLineList& tickets, const THistoryLine& draw, bool validOnly) {
    const DrawMatcher matcher(draw);
    const int drawNumber = DrawNumberOf(draw.DrawDate());
    std::vector<CheckRow> rows;
    // Room for every board: the pages no row reaches are never touched.
    rows.reserve(static_cast<std::size_t>(tickets.Count()) * TLine::kBoardCount);
    std::vector<CheckRow> winners;
    for (int index = 0; index < tickets.Count(); ++index) {
        const TLine& ticket = tickets.At(index);
        if (validOnly && !TicketValidForDraw(ticket, drawNumber)) continue;
        for (int board = 1; board <= TLine::kBoardCount; ++board) {
            if (!ticket.BoardInUse(board)) continue;
            const CheckRow row(TicketRow(index, board), matcher.TierCode(ticket.Boards()[board - 1]));
            (row.Wins() ? winners : rows).push_back(row);
        }
    }
    winners = OrderByTier(winners);
    rows.insert(rows.begin(), winners.begin(), winners.end());
    return rows;
}

// The rows are in tier order, so the winners are the rows before the first
// that won nothing.
CheckCounts CountCheckRows(const std::vector<CheckRow>& rows) {
    const auto firstLoser =
        std::partition_point(rows.begin(), rows.end(), [](const CheckRow& row) { return row.Wins(); });
    return {static_cast<int>(rows.size()), static_cast<int>(firstLoser - rows.begin())};
}

}  // namespace lottery
