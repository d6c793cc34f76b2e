#include "lottery/HistoryImport.h"

#include "lottery/DrawCalendar.h"
#include "lottery/LotteryError.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <vector>

namespace lottery {
namespace {

// Some editors start a UTF-8 text file with this mark; it is no part of the
// first line.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Where each of the seven numbers starts (balls 1..6, then the bonus ball);
// each is two columns wide.
constexpr std::array<std::size_t, THistoryLine::kNumberCount> kNumberColumns = {23, 26, 29, 32, 35, 38, 42};

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The lines of the text, each ending at CR LF, a lone CR or a lone LF. A
// break at the very end of the text starts no further line.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = static_cast<std::size_t>(std::ranges::find_if(text, IsLineBreak) - text.begin());
        lines.push_back(text.substr(0, end));
        const std::size_t breakLength = text.substr(end).starts_with("\r\n") ? 2 : 1;
        text.remove_prefix(std::min(end + breakLength, text.size()));
    }
    return lines;
}

// Columns counted from 1, as the file's layout gives them. A line too short
// for the field gives what it has of it, perhaps nothing.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

// Spaces, tabs and control characters alike.
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Leading spaces, an optional sign, then decimal digits to the field's end.
// No field is wider than four columns, so the value always fits.
std::optional<int> WholeNumber(std::string_view field) {
    field.remove_prefix(std::min(field.find_first_not_of(' '), field.size()));
    const bool negative = field.starts_with('-');
    if (negative || field.starts_with('+')) field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// 1..12 for a month's three-letter abbreviation in any letter case; 0 for
// anything else.
int MonthNumber(std::string_view abbreviation) {
    static constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::string upper(abbreviation);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const auto found = std::find(kMonths.begin(), kMonths.end(), upper);
    return found == kMonths.end() ? 0 : static_cast<int>(found - kMonths.begin()) + 1;
}

int16_t NumberOrThrow(std::string_view field) {
    const std::optional<int> value = WholeNumber(field);
    if (!value) throw LotteryError("'" + std::string(field) + "' is not a valid integer value");
    return static_cast<int16_t>(*value);
}

// One line that is not blank into the history: the seven numbers are read
// before the date, so a line with both wrong names the number. A history
// that is full already keeps no more, and the line is counted as left out.
// False when the draw-number field is no whole number, which ends the
// reading; throws LotteryError for a number or a date it cannot read.
bool ReadDrawLine(std::string_view line, ImportResult& result) {
    if (!WholeNumber(Trimmed(Columns(line, 1, 3)))) return false;
    THistoryLine::Numbers numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = NumberOrThrow(Columns(line, kNumberColumns[i], kNumberColumns[i] + 1));
    const std::optional<DayNumber> date = ParseImportDate(Columns(line, 10, 20));
    if (!date) throw LotteryError("'' is not a valid date");
    if (result.history.Full())
        ++result.drawsLeftOut;
    else
        result.history.Add(numbers, *date);
    return true;
}

// The draws 1..latestDrawNumber that have no entry.
int CountDrawsWithoutEntry(const THistoryList& history, int latestDrawNumber) {
    std::unordered_set<DayNumber> dated;
    for (int i = 0; i < history.Count(); ++i)
        if (const std::optional<DayNumber> day = WholeDayOf(history.At(i).DrawDate())) dated.insert(*day);
    int missing = 0;
    for (int draw = 1; draw <= latestDrawNumber; ++draw) missing += dated.contains(DrawDateOf(draw)) ? 0 : 1;
    return missing;
}

}  // namespace

std::optional<DayNumber> ParseImportDate(std::string_view field) {
    const std::optional<int> day = WholeNumber(Columns(field, 1, 2));
    const int month = MonthNumber(Columns(field, 4, 6));
    const std::optional<int> year = WholeNumber(Columns(field, 8, 11));
    if (!day || !year || !IsValidCivilDate(*year, month, *day)) return std::nullopt;
    return DayFromCivil({*year, month, *day});
}

ImportResult ReadImportFile(std::string_view text, int latestDrawNumber) {
    ImportResult result;
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    // Any byte at all makes a line, if only a blank one.
    if (text.empty()) {
        result.status = ImportStatus::EmptyFile;
        return result;
    }
    try {
        for (const std::string_view line : Lines(text)) {
            if (Trimmed(line).empty()) continue;
            if (!ReadDrawLine(line, result)) {
                result.status = ImportStatus::FormatError;
                return result;
            }
        }
    } catch (const LotteryError& error) {
        result.status = ImportStatus::ConversionError;
        result.conversionMessage = error.what();
        return result;
    }
    result.history.FillMissingDraws(latestDrawNumber);
    // Filling stops only when the history is full; what it could not add
    // is still missing then.
    if (result.history.Full()) result.drawsLeftOut += CountDrawsWithoutEntry(result.history, latestDrawNumber);
    return result;
}

}  // namespace lottery
