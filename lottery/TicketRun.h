#pragma once

#include "lottery/CivilDate.h"
#include "lottery/PrizeTier.h"
#include "lottery/THistoryList.h"
#include "lottery/TLine.h"

#include <array>
#include <vector>

namespace lottery {

// One draw of a ticket's run: the ticket's result there, or no result when
// the draw has none recorded.
struct RunDraw {
    // A board not in use has no tier.
    static constexpr char kNoBoard = '\0';

    int drawNumber = 0;
    // The draw's first entry in the history, as every screen looks it up;
    // null when it is missing or not yet recorded.
    const THistoryLine* result = nullptr;
    std::array<char, TLine::kBoardCount> tiers{};

    bool Recorded() const { return result != nullptr; }
    // The best tier of the boards in use; no prize for a draw without a result.
    char BestTier() const;
};

// Every draw a ticket was entered for, from its start up to today (or up to
// its last draw, when that came before), with the boards' tiers and the
// totals of the whole run.
struct TicketRun {
    std::vector<RunDraw> draws;
    // Boards of the recorded draws, by tier index ('1' at 0 .. '6' at 5).
    std::array<int, kTierCount> boardsByTier{};
    int missingResults = 0;
};

TicketRun RunOfTicket(const TLine& ticket, const THistoryList& history, DayNumber today);

}  // namespace lottery
