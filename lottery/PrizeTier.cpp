#include "lottery/PrizeTier.h"

#include "lottery/DrawMatcher.h"

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

bool BoardNumberDrawn(const TLine& ticket, const THistoryLine& draw, int board, int position) {
    return DrawMatcher(draw).Drawn(ticket.Number(board, position));
}

bool BoardNumberIsBonus(const TLine& ticket, const THistoryLine& draw, int board, int position) {
    return ticket.Number(board, position) == draw.BonusBall();
}

bool BoardHoldsBonus(const TLine& ticket, const THistoryLine& draw, int board) {
    for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
        if (BoardNumberIsBonus(ticket, draw, board, position)) return true;
    return false;
}

char PrizeTierCode(const TLine& ticket, const THistoryLine& draw, int board) {
    return DrawMatcher(draw).TierCode(ticket.Boards()[static_cast<std::size_t>(board - 1)]);
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
