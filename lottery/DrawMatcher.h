#pragma once

#include "lottery/PrizeTier.h"
#include "lottery/THistoryLine.h"
#include "lottery/TLine.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lottery {

// One draw's numbers laid out for checking many boards against them: the
// result sheet checks every board of every ticket at each step between
// draws. A real draw's balls are all below 64, so they are the bits of one
// word and a board's number is looked up by one shift instead of six
// comparisons, with no branch to mispredict. A draw from a damaged file with
// any other ball is compared ball by ball.
class DrawMatcher {
public:
    explicit DrawMatcher(const THistoryLine& draw);

    bool Drawn(int16_t number) const { return allBallsSmall_ ? SmallBallDrawn(number) : AnyBallIs(number); }
    bool IsBonus(int16_t number) const { return number == bonus_; }

    // The code '1'..'6' of the board's prize tier. Inline, as it is asked
    // for every board; the choice of lookup is made once for the board's six
    // numbers. The bonus ball only tells five-ball boards apart: it never
    // adds to the count of balls matched.
    char TierCode(const TLine::Board& board) const {
        static constexpr std::array<char, TLine::kNumbersPerBoard + 1> kTierByMatches = {
            kNoPrizeTier, kNoPrizeTier, kNoPrizeTier, '5', '4', '3', '1'};
        const int matched = allBallsSmall_
                                ? CountDrawn(board, [this](int16_t number) { return SmallBallDrawn(number); })
                                : CountDrawn(board, [this](int16_t number) { return AnyBallIs(number); });
        const char tier = kTierByMatches[static_cast<std::size_t>(matched)];
        return tier == '3' && HoldsBonus(board) ? '2' : tier;
    }

private:
    bool SmallBallDrawn(int16_t number) const {
        return static_cast<uint16_t>(number) < 64 && (smallBalls_ >> number & 1u) != 0;
    }
    bool AnyBallIs(int16_t number) const { return std::find(balls_.begin(), balls_.end(), number) != balls_.end(); }
    template <typename IsDrawn>
    static int CountDrawn(const TLine::Board& board, IsDrawn isDrawn) {
        int matched = 0;
        for (int16_t number : board) matched += isDrawn(number) ? 1 : 0;
        return matched;
    }
    bool HoldsBonus(const TLine::Board& board) const {
        return std::any_of(board.begin(), board.end(), [this](int16_t number) { return IsBonus(number); });
    }

    THistoryLine::Balls balls_;
    int16_t bonus_;
    uint64_t smallBalls_ = 0;
    bool allBallsSmall_ = true;
};

}  // namespace lottery
