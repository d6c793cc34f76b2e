#include "lottery/THistoryLine.h"

#include "lottery/TLine.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

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

}  // namespace

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
