#include "lottery/DrawMatcher.h"

namespace lottery {

DrawMatcher::DrawMatcher(const THistoryLine& draw) : balls_(draw.BallArray()), bonus_(draw.BonusBall()) {
    for (int16_t ball : balls_) {
        if (static_cast<uint16_t>(ball) < 64) smallBalls_ |= uint64_t{1} << ball;
        else allBallsSmall_ = false;
    }
}

}  // namespace lottery
