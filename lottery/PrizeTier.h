#pragma once

#include "lottery/THistoryLine.h"
#include "lottery/TLine.h"

#include <string>

namespace lottery {

// A board's outcome against a draw, as a one-character code: '1' six balls,
// '2' five and the bonus ball, '3' five, '4' four, '5' three, '6' no prize.
// Better tiers have smaller codes, so the code is also a sort key.
inline constexpr char kJackpotTier = '1';
inline constexpr char kNoPrizeTier = '6';
inline constexpr int kTierCount = 6;

// 0 for '1' up to 5 for '6'; any code other than '1'..'5' counts as no prize.
// Inline, as each row of the result sheet is made with it.
inline int TierIndex(char tierCode) {
    return tierCode >= kJackpotTier && tierCode < kNoPrizeTier ? tierCode - kJackpotTier : kTierCount - 1;
}

// board 1..10, position 1..6
bool BoardNumberDrawn(const TLine& ticket, const THistoryLine& draw, int board, int position);
bool BoardNumberIsBonus(const TLine& ticket, const THistoryLine& draw, int board, int position);
bool BoardHoldsBonus(const TLine& ticket, const THistoryLine& draw, int board);
char PrizeTierCode(const TLine& ticket, const THistoryLine& draw, int board);

// Each screen's wording of a tier; any code other than '1'..'5' takes the
// no-prize wording.
std::string ResultSheetTierText(char tierCode);    // "Jackpot! 6 Balls" .. empty
std::string TicketDisplayTierText(char tierCode);  // "JACKPOT! 6 Numbers" .. "Nothing"
std::string PrintedTierText(char tierCode);        // "\tJackpot! 6 Balls" .. "\t"

}  // namespace lottery
