#include "lottery/TicketRun.h"

#include "lottery/DrawCalendar.h"

#include <algorithm>

namespace lottery {
namespace {

struct DrawSpan {
    int first = 1;
    int last = 0;
};

// From the last draw on or before the start (a start that is no draw day
// still begins with the draw after it) to the last draw on or before today;
// TicketValidForDraw then keeps only the ticket's own draws.
DrawSpan CandidateDraws(const TLine& ticket, DayNumber today) {
    const auto start = WholeDayOf(ticket.StartDate());
    if (!start || *start > today) return {};
    return {std::max(1, LatestDrawOnOrBefore(*start)), LatestDrawOnOrBefore(today)};
}

// The first entry, in list order, dated on each draw's day: one pass over
// the history instead of a search for every draw.
std::vector<const THistoryLine*> ResultsByDraw(const THistoryList& history, const DrawSpan& span) {
    std::vector<const THistoryLine*> results(static_cast<std::size_t>(span.last - span.first + 1), nullptr);
    for (int index = 0; index < history.Count(); ++index) {
        const THistoryLine& entry = history.At(index);
        const auto day = WholeDayOf(entry.DrawDate());
        const int drawNumber = day ? DrawNumberOf(*day) : 0;
        if (drawNumber < span.first || drawNumber > span.last) continue;
        const THistoryLine*& slot = results[static_cast<std::size_t>(drawNumber - span.first)];
        if (!slot) slot = &entry;
    }
    return results;
}

RunDraw CheckDraw(const TLine& ticket, int drawNumber, const THistoryLine* entry) {
    RunDraw draw;
    draw.drawNumber = drawNumber;
    draw.result = entry && entry->IsRecorded() ? entry : nullptr;
    for (int board = 1; board <= TLine::kBoardCount; ++board) {
        char& tier = draw.tiers[static_cast<std::size_t>(board - 1)];
        if (!ticket.BoardInUse(board))
            tier = RunDraw::kNoBoard;
        else
            tier = draw.result ? PrizeTierCode(ticket, *draw.result, board) : kNoPrizeTier;
    }
    return draw;
}

void AddToTotals(const RunDraw& draw, TicketRun& run) {
    if (!draw.Recorded()) {
        ++run.missingResults;
        return;
    }
    for (char tier : draw.tiers)
        if (tier != RunDraw::kNoBoard) ++run.boardsByTier[static_cast<std::size_t>(TierIndex(tier))];
}

}  // namespace

char RunDraw::BestTier() const {
    char best = kNoPrizeTier;
    for (char tier : tiers)
        if (tier != kNoBoard) best = std::min(best, tier);
    return best;
}

TicketRun RunOfTicket(const TLine& ticket, const THistoryList& history, DayNumber today) {
    TicketRun run;
    const DrawSpan span = CandidateDraws(ticket, today);
    if (span.last < span.first) return run;
    const std::vector<const THistoryLine*> results = ResultsByDraw(history, span);
    for (int drawNumber = span.first; drawNumber <= span.last; ++drawNumber) {
        if (!TicketValidForDraw(ticket, drawNumber)) continue;
        run.draws.push_back(CheckDraw(ticket, drawNumber, results[static_cast<std::size_t>(drawNumber - span.first)]));
        AddToTotals(run.draws.back(), run);
    }
    return run;
}

}  // namespace lottery
