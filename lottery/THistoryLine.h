#pragma once

#include "lottery/ByteStream.h"
#include "lottery/CivilDate.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace lottery {

// One draw result: six balls in ascending order and the bonus ball, keyed by
// the draw's date. All numbers are 0 until the draw is recorded.
class THistoryLine {
public:
    static constexpr int kBallCount = 6;
    static constexpr int kNumberCount = 7;  // the six balls and the bonus ball
    static constexpr std::size_t kRecordSize = 22;

    using Balls = std::array<int16_t, kBallCount>;
    // Balls 1..6 in any order, then the bonus ball.
    using Numbers = std::array<int16_t, kNumberCount>;

    THistoryLine() = default;
    // A draw not yet recorded: all seven numbers 0.
    static THistoryLine Unrecorded(DayNumber drawDate) {
        THistoryLine line;
        line.drawDate_ = drawDate;
        return line;
    }
    // One 22-byte record, fields in file order. Loading a large history
    // spends its time here, so it stays inline.
    void ReadRecord(const char* record) {
        std::memcpy(balls_.data(), record, sizeof balls_);
        std::memcpy(&bonusBall_, record + sizeof balls_, sizeof bonusBall_);
        std::memcpy(&drawDate_, record + sizeof balls_ + sizeof bonusBall_, sizeof drawDate_);
    }

    void WriteTo(ByteWriter& writer) const;

    // Stores the numbers and the date, then puts the balls in order.
    void SetResult(const Numbers& numbers, DayNumber drawDate);
    void SortBalls();

    const Balls& BallArray() const { return balls_; }
    int16_t BonusBall() const { return bonusBall_; }
    double DrawDate() const { return drawDate_; }
    // 1..6 the balls in ascending order, 7 the bonus ball.
    int16_t Number(int index) const { return index == kNumberCount ? bonusBall_ : balls_[index - 1]; }
    // "%.2d": an unrecorded draw gives "00".
    std::string NumberText(int index) const;
    // After sorting any 0 ball comes first, so the first ball tells.
    bool IsRecorded() const { return balls_[0] != 0; }

    bool operator==(const THistoryLine& other) const;

private:
    Balls balls_{};
    int16_t bonusBall_ = 0;
    double drawDate_ = 0;
};

// The history list's row key: the date as "YYYYMMDD", for example 19970205.
// A stored value that is no date (a damaged file) gives "00000000".
std::string HistoryRowKey(double drawDate);

// True when each of the seven texts is a whole number 1..49 and no number
// repeats another (the bonus ball included).
bool ValidateDrawNumbers(const std::array<std::string, THistoryLine::kNumberCount>& texts);

}  // namespace lottery
