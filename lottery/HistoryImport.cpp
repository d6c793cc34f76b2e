#include "lottery/HistoryImport.h"

#include "lottery/LotteryError.h"

#include <array>
#include <cctype>
#include <vector>

namespace lottery {
namespace {

// Columns counted from 1, as the file's layout gives them.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Leading spaces, an optional sign, then decimal digits to the end.
std::optional<int> WholeNumber(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && field[at] == ' ') ++at;
    if (at == field.size()) return std::nullopt;
    const bool negative = field[at] == '-';
    if (field[at] == '-' || field[at] == '+') ++at;
    if (at == field.size() || field.size() - at > 9) return std::nullopt;
    int value = 0;
    for (; at < field.size(); ++at) {
        if (field[at] < '0' || field[at] > '9') return std::nullopt;
        value = value * 10 + (field[at] - '0');
    }
    return negative ? -value : value;
}

int16_t NumberOrThrow(std::string_view field) {
    const auto value = WholeNumber(field);
    if (!value) throw LotteryError("'" + std::string(field) + "' is not a valid integer value");
    return static_cast<int16_t>(*value);
}

// A line ends at CR LF, or at a lone CR or LF.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n') continue;
        lines.push_back(text.substr(start, at - start));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
        start = at + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

void AddLine(THistoryList& history, std::string_view line) {
    static constexpr std::array<std::size_t, THistoryLine::kNumberCount> kNumberColumns = {23, 26, 29, 32,
                                                                                          35, 38, 42};
    THistoryLine::Numbers numbers{};
    for (std::size_t i = 0; i < kNumberColumns.size(); ++i)
        numbers[i] = NumberOrThrow(Columns(line, kNumberColumns[i], kNumberColumns[i] + 1));
    const auto date = ParseImportDate(Columns(line, 10, 20));
    if (!date) throw LotteryError("'' is not a valid date");
    history.Add(numbers, *date);
}

}  // namespace

std::optional<DayNumber> ParseImportDate(std::string_view field) {
    static constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::string month(Columns(field, 4, 6));
    for (char& c : month) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto day = WholeNumber(Columns(field, 1, 2));
    const auto year = WholeNumber(Columns(field, 8, 11));
    for (std::size_t m = 0; m < kMonths.size(); ++m) {
        if (month != kMonths[m]) continue;
        const int monthNumber = static_cast<int>(m) + 1;
        if (!day || !year || !IsValidCivilDate(*year, monthNumber, *day)) return std::nullopt;
        return DayFromCivil({*year, monthNumber, *day});
    }
    return std::nullopt;
}

ImportResult ReadImportFile(std::string_view text, int latestDrawNumber) {
    ImportResult result;
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.empty()) {
        result.status = ImportStatus::EmptyFile;
        return result;
    }
    try {
        for (const std::string_view line : lines) {
            if (Trimmed(line).empty()) continue;
            if (!WholeNumber(Trimmed(Columns(line, 1, 3)))) {
                result.status = ImportStatus::FormatError;
                return result;
            }
            AddLine(result.history, line);
        }
    } catch (const LotteryError& error) {
        result.status = ImportStatus::ConversionError;
        result.conversionMessage = error.what();
        return result;
    }
    result.history.FillMissingDraws(latestDrawNumber);
    return result;
}

}  // namespace lottery
