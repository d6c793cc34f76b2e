#include "lottery/THistoryLine.h"

#include "lottery/TLine.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

namespace lottery {
namespace {

constexpr int kLowestBall = 1;
constexpr int kHighestBall = 49;

// Optional leading blanks, an optional sign and decimal digits, nothing else.
std::optional<int> WholeNumberOf(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The balls come in no predictable order, so a compare-and-swap that
// branched would be mispredicted half the time; this one only computes.
// Both values are 16-bit, so their difference cannot overflow.
void OrderPair(int& low, int& high) {
    const int difference = high - low;
    const int swapBy = difference & (difference >> 31);  // the difference when high < low, else 0
    low += swapBy;
    high -= swapBy;
}

}  // namespace

void THistoryLine::SetResult(const Numbers& numbers, DayNumber drawDate) {
#pragma GCC unroll 6
    for (int index = 1; index <= kBallCount; ++index) SetBall(index, numbers[index - 1]);
    SetField(kBonusAt, numbers[kBallCount]);
    SetField(kDateAt, static_cast<double>(drawDate));
    SortBalls();
}

// Six balls are sorted by a fixed network of twelve compare-exchanges, the
// fewest that sort six, in five rounds whose exchanges are independent of
// each other: every import line sorts its balls, and a general sort spends
// more on deciding how to sort six values than on sorting them.
// The balls are read and written one by one, as SetResult writes them: a
// block written in narrow pieces and read back whole (or the other way
// round) stalls the processor until the writes are done.
void THistoryLine::SortBalls() {
    static constexpr std::array<std::pair<int, int>, 12> kNetwork = {
        {{0, 5}, {1, 3}, {2, 4}, {1, 2}, {3, 4}, {0, 3}, {2, 5}, {0, 1}, {2, 3}, {4, 5}, {1, 2}, {3, 4}}};
    std::array<int, kBallCount> balls;
    // Unrolled, the six balls stay in registers from the first read to the
    // last write.
#pragma GCC unroll 6
    for (int index = 1; index <= kBallCount; ++index) balls[index - 1] = Number(index);
#pragma GCC unroll 12
    for (const auto& [first, second] : kNetwork) OrderPair(balls[first], balls[second]);
#pragma GCC unroll 6
    for (int index = 1; index <= kBallCount; ++index) SetBall(index, static_cast<int16_t>(balls[index - 1]));
}

std::string THistoryLine::NumberText(int index) const {
    return TwoDigitText(Number(index));
}

std::string HistoryRowKey(double drawDate) {
    const auto day = WholeDayOf(drawDate);
    if (!day) return "00000000";
    const CivilDate civil = CivilFromDay(*day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", civil.year, civil.month, civil.day);
    return text;
}

bool ValidateDrawNumbers(const std::array<std::string, THistoryLine::kNumberCount>& texts) {
    std::array<bool, kHighestBall + 1> seen{};
    for (const std::string& text : texts) {
        const auto number = WholeNumberOf(text);
        if (!number || *number < kLowestBall || *number > kHighestBall || seen[*number]) return false;
        seen[*number] = true;
    }
    return true;
}

}  // namespace lottery
