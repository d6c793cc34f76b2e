#include "lottery/ImportText.h"

#include "lottery/LotteryError.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace lottery {
namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The first line's length and the length of the break after it.
std::pair<std::size_t, std::size_t> FirstLineAndBreak(std::string_view text) {
    const auto end = static_cast<std::size_t>(std::ranges::find_if(text, IsLineBreak) - text.begin());
    const std::size_t breakLength = text.substr(end).starts_with("\r\n") ? 2 : 1;
    return {end, std::min(end + breakLength, text.size()) - end};
}

}  // namespace

std::vector<std::string_view> ImportLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto [end, breakLength] = FirstLineAndBreak(text);
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + breakLength);
    }
    return lines;
}

std::string_view FirstLineNotBlank(std::string_view text) {
    while (!text.empty()) {
        const auto [end, breakLength] = FirstLineAndBreak(text);
        if (!Trimmed(text.substr(0, end)).empty()) return text.substr(0, end);
        text.remove_prefix(end + breakLength);
    }
    return {};
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<int> WholeNumber(std::string_view field) {
    field.remove_prefix(std::min(field.find_first_not_of(' '), field.size()));
    const bool negative = field.starts_with('-');
    if (negative || field.starts_with('+')) field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value > (std::numeric_limits<int>::max() - (c - '0')) / 10) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

int MonthNumber(std::string_view abbreviation) {
    static constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::string upper(abbreviation);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const auto found = std::find(kMonths.begin(), kMonths.end(), upper);
    return found == kMonths.end() ? 0 : static_cast<int>(found - kMonths.begin()) + 1;
}

std::optional<DayNumber> DateFromFields(std::string_view day, std::string_view month, std::string_view year) {
    const std::optional<int> dayNumber = WholeNumber(day);
    const std::optional<int> yearNumber = WholeNumber(year);
    const int monthNumber = MonthNumber(month);
    if (!dayNumber || !yearNumber || !IsValidCivilDate(*yearNumber, monthNumber, *dayNumber)) return std::nullopt;
    return DayFromCivil({*yearNumber, monthNumber, *dayNumber});
}

int16_t NumberOrThrow(std::string_view field) {
    const std::optional<int> value = WholeNumber(field);
    if (!value || *value < std::numeric_limits<int16_t>::min() || *value > std::numeric_limits<int16_t>::max())
        throw LotteryError("'" + std::string(field) + "' is not a valid integer value");
    return static_cast<int16_t>(*value);
}

DayNumber DateOrThrow(std::optional<DayNumber> date) {
    if (!date) throw LotteryError("'' is not a valid date");
    return *date;
}

}  // namespace lottery
