#include "lottery/CheckRows.h"

#include "lottery/DrawCalendar.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lottery {
namespace {

// One checked board packed into 32 bits: tier index, ticket index, board.
// Ordering these numbers orders the sheet by tier, then ticket number, then
// board; the text order of the row keys would instead put ticket 100
// between tickets 10 and 11.
using BoardKey = uint32_t;
constexpr int kTierShift = 29;
constexpr int kTicketShift = 4;
constexpr BoardKey kBoardMask = (1u << kTicketShift) - 1;
constexpr BoardKey kTicketMask = (1u << (kTierShift - kTicketShift)) - 1;
static_assert(TLine::kBoardCount <= kBoardMask && TLineList::kMaxTickets <= kTicketMask && kTierCount <= 8);

BoardKey PackKey(int tierIndex, int ticketIndex, int board) {
    return static_cast<BoardKey>(tierIndex) << kTierShift |
           static_cast<BoardKey>(ticketIndex) << kTicketShift | static_cast<BoardKey>(board);
}
int TierIndexOf(BoardKey key) {
    return static_cast<int>(key >> kTierShift);
}
int TicketIndexOf(BoardKey key) {
    return static_cast<int>(key >> kTicketShift & kTicketMask);
}
int BoardOf(BoardKey key) {
    return static_cast<int>(key & kBoardMask);
}

// The keys arrive in ticket and board order, so placing them tier by tier,
// keeping their order within a tier, sorts them without comparing any.
std::vector<BoardKey> OrderByTier(const std::vector<BoardKey>& keys) {
    std::array<std::size_t, kTierCount + 1> start{};
    for (BoardKey key : keys) ++start[TierIndexOf(key) + 1];
    for (int tier = 1; tier <= kTierCount; ++tier) start[tier] += start[tier - 1];
    std::vector<BoardKey> ordered(keys.size());
    for (BoardKey key : keys) ordered[start[TierIndexOf(key)]++] = key;
    return ordered;
}

// One key per board taking part, in ticket and board order.
std::vector<BoardKey> CheckedBoards(const TLineList& tickets, const THistoryLine& draw, bool validOnly) {
    const int drawNumber = DrawNumberOf(draw.DrawDate());
    std::vector<BoardKey> keys;
    keys.reserve(static_cast<std::size_t>(tickets.Count()) * TLine::kBoardCount);
    for (int index = 0; index < tickets.Count(); ++index) {
        const TLine& ticket = tickets.At(index);
        if (validOnly && !TicketValidForDraw(ticket, drawNumber)) continue;
        for (int board = 1; board <= TLine::kBoardCount; ++board)
            if (ticket.BoardInUse(board))
                keys.push_back(PackKey(TierIndex(PrizeTierCode(ticket, draw, board)), index, board));
    }
    return keys;
}

}  // namespace

std::string CheckRowKey(char tierCode, int ticketNumber, int board) {
    return std::string(1, tierCode) + " " + TicketRowKey(ticketNumber, board);
}

// The rows are built once, in their final order, from keys that are cheap to
// order: with hundreds of thousands of rows, writing memory is most of the cost.
std::vector<CheckRow> FillCheckRows(const TLineList& tickets, const THistoryLine& draw, bool validOnly) {
    const std::vector<BoardKey> ordered = OrderByTier(CheckedBoards(tickets, draw, validOnly));
    std::vector<CheckRow> rows;
    rows.reserve(ordered.size());
    for (BoardKey key : ordered) {
        const int index = TicketIndexOf(key);
        rows.push_back({&tickets.At(index), index + 1, static_cast<int16_t>(BoardOf(key)),
                        static_cast<char>(kJackpotTier + TierIndexOf(key))});
    }
    return rows;
}

CheckCounts CountCheckRows(const std::vector<CheckRow>& rows) {
    return {static_cast<int>(rows.size()),
            static_cast<int>(
                std::count_if(rows.begin(), rows.end(), [](const CheckRow& row) { return row.Wins(); }))};
}

}  // namespace lottery
