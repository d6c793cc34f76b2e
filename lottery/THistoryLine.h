#pragma once

#include "lottery/CivilDate.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

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
        line.SetField(kDateAt, static_cast<double>(drawDate));
        return line;
    }

    // Stores the numbers and the date, the balls in ascending order. The
    // balls are sorted before they are stored, so none is read back from the
    // record: narrow stores read back at once stall the processor, and an
    // import stores the balls of every line. Inline, so that they stay in
    // registers from where they are read to where they are stored.
    void SetResult(const Numbers& numbers, DayNumber drawDate) {
        std::array<int, kBallCount> balls = {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
        SortBalls(balls);
        // One by one: stored whole, the balls would go through memory first.
#pragma GCC unroll 6
        for (std::size_t i = 0; i < balls.size(); ++i)
            SetField(kBallsAt + i * sizeof(int16_t), static_cast<int16_t>(balls[i]));
        SetField(kBonusAt, numbers[kBallCount]);
        SetField(kDateAt, static_cast<double>(drawDate));
    }

    Balls BallArray() const { return Field<Balls>(kBallsAt); }
    int16_t BonusBall() const { return Field<int16_t>(kBonusAt); }
    double DrawDate() const { return Field<double>(kDateAt); }
    // 1..6 the balls in ascending order, 7 the bonus ball, which follows them.
    int16_t Number(int index) const { return Field<int16_t>(kBallsAt + (index - 1) * sizeof(int16_t)); }
    // "%.2d": an unrecorded draw gives "00".
    std::string NumberText(int index) const;
    // After sorting any 0 ball comes first, so the first ball tells.
    bool IsRecorded() const { return Number(1) != 0; }

    // Byte for byte, so a NaN date read from a damaged file still equals
    // itself after a save and a reload.
    bool operator==(const THistoryLine& other) const = default;

private:
    static constexpr std::size_t kBallsAt = 0;
    static constexpr std::size_t kBonusAt = 12;
    static constexpr std::size_t kDateAt = 14;
    static_assert(kBonusAt == kBallsAt + kBallCount * sizeof(int16_t),
                  "Number(7), the bonus ball, follows the six balls");

    template <typename Value>
    Value Field(std::size_t offset) const {
        Value value;
        std::memcpy(&value, record_.data() + offset, sizeof value);
        return value;
    }
    template <typename Value>
    void SetField(std::size_t offset, const Value& value) {
        std::memcpy(record_.data() + offset, &value, sizeof value);
    }

    // Six balls are sorted by a fixed network of twelve compare-exchanges,
    // the fewest that sort six, in five rounds whose exchanges are
    // independent of each other. They are sorted as ints: in 16 bits each
    // exchange takes twice the instructions.
    static void SortBalls(std::array<int, kBallCount>& balls) {
        OrderPair(balls[0], balls[5]); OrderPair(balls[1], balls[3]); OrderPair(balls[2], balls[4]);
        OrderPair(balls[1], balls[2]); OrderPair(balls[3], balls[4]);
        OrderPair(balls[0], balls[3]); OrderPair(balls[2], balls[5]);
        OrderPair(balls[0], balls[1]); OrderPair(balls[2], balls[3]); OrderPair(balls[4], balls[5]);
        OrderPair(balls[1], balls[2]); OrderPair(balls[3], balls[4]);
    }
    // The balls come in no predictable order, so an exchange that branched
    // would be mispredicted half the time. Written as one choice made once,
    // g++ picks each value by a conditional move; std::min and std::max
    // here become branches.
    static void OrderPair(int& low, int& high) {
        const bool swap = high < low;
        const int lower = swap ? high : low;
        const int higher = swap ? low : high;
        low = lower;
        high = higher;
    }

    // The entry is kept as its file record (little-endian, no padding), so a
    // whole history loads and saves as one block of bytes.
    std::array<char, kRecordSize> record_{};
};

static_assert(sizeof(THistoryLine) == THistoryLine::kRecordSize && std::is_trivially_copyable_v<THistoryLine>,
              "a history's entries are its file's records, back to back");

// The history list's row key: the date as "YYYYMMDD", for example 19970205.
// A stored value that is no date (a damaged file) gives "00000000".
std::string HistoryRowKey(double drawDate);

// True when each of the seven texts is a whole number 1..49 and no number
// repeats another (the bonus ball included).
bool ValidateDrawNumbers(const std::array<std::string, THistoryLine::kNumberCount>& texts);

}  // namespace lottery
