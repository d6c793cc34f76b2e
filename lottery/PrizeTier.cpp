#include "lottery/PrizeTier.h"

#include <algorithm>
#include <array>

namespace lottery {
namespace {

using TierWording = std::array<const char*, kTierCount>;

constexpr TierWording kResultSheetWording = {"Jackpot! 6 Balls", "5 and the Bonus", "5 Balls",
                                             "4 Balls",          "3 Balls",         ""};
constexpr TierWording kTicketDisplayWording = {
    "JACKPOT! 6 Numbers", "5 Balls and the Bonus", "5 Balls", "4 Balls", "3 Balls", "Nothing"};
constexpr TierWording kPrintedWording = {"\tJackpot! 6 Balls", "\t5 and the Bonus", "\t5 Balls",
                                         "\t4 Balls",          "\t3 Balls",         "\t"};

}  // namespace

int TierIndex(char tierCode) {
    return tierCode >= kJackpotTier && tierCode < kNoPrizeTier ? tierCode - kJackpotTier : kTierCount - 1;
}

bool BoardNumberDrawn(const TLine& ticket, const THistoryLine& draw, int board, int position) {
    const THistoryLine::Balls balls = draw.BallArray();
    return std::find(balls.begin(), balls.end(), ticket.Number(board, position)) != balls.end();
}

bool BoardNumberIsBonus(const TLine& ticket, const THistoryLine& draw, int board, int position) {
    return ticket.Number(board, position) == draw.BonusBall();
}

bool BoardHoldsBonus(const TLine& ticket, const THistoryLine& draw, int board) {
    for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
        if (BoardNumberIsBonus(ticket, draw, board, position)) return true;
    return false;
}

// The bonus ball only tells five-ball boards apart: it never adds to the
// count of balls matched.
char PrizeTierCode(const TLine& ticket, const THistoryLine& draw, int board) {
    int matched = 0;
    for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
        if (BoardNumberDrawn(ticket, draw, board, position)) ++matched;
    switch (matched) {
    case 6: return '1';
    case 5: return BoardHoldsBonus(ticket, draw, board) ? '2' : '3';
    case 4: return '4';
    case 3: return '5';
    default: return kNoPrizeTier;
    }
}

std::string ResultSheetTierText(char tierCode) {
    return kResultSheetWording[TierIndex(tierCode)];
}

std::string TicketDisplayTierText(char tierCode) {
    return kTicketDisplayWording[TierIndex(tierCode)];
}

std::string PrintedTierText(char tierCode) {
    return kPrintedWording[TierIndex(tierCode)];
}

}  // namespace lottery
