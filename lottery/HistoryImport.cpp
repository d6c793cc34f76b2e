#include "lottery/HistoryImport.h"

#include "lottery/LotteryError.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace lottery {
namespace {

// A whole number has at most nine digits, so it always fits an int.
constexpr std::size_t kMostDigits = 9;

// What a field that is no number reads as. The readers below give this
// rather than an empty std::optional<int>: g++ returns an optional through
// two narrow stores that are read back as one wide load, which stalls on
// every one of the ten fields of every line. A date that is no date reads
// as kNoDate for the same reason.
constexpr int kNoNumber = std::numeric_limits<int>::min();
constexpr DayNumber kNoDate = std::numeric_limits<DayNumber>::min();

constexpr std::size_t kDateFieldWidth = 11;  // DD-MMM-YYYY

// Columns counted from 1, as the file's layout gives them. Cut by hand
// rather than by substr, whose range check never fails here but keeps this
// call out of line on every field.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return {line.data() + first - 1, std::min(last - first + 1, line.size() - first + 1)};
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Leading spaces, an optional sign, then decimal digits to the end.
int WholeNumber(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && field[at] == ' ') ++at;
    if (at == field.size()) return kNoNumber;
    const bool negative = field[at] == '-';
    if (field[at] == '-' || field[at] == '+') ++at;
    if (at == field.size() || field.size() - at > kMostDigits) return kNoNumber;
    int value = 0;
    for (; at < field.size(); ++at) {
        if (!IsDigit(field[at])) return kNoNumber;
        value = value * 10 + (field[at] - '0');
    }
    return negative ? -value : value;
}

bool AreTwoDigits(const char* at) {
    return IsDigit(at[0]) && IsDigit(at[1]);
}

int TwoDigitValue(const char* at) {
    return (at[0] - '0') * 10 + (at[1] - '0');
}

// Nearly every field of a results file is two digits (the balls, the day)
// or four (the year); those are read at once, without a loop or a look for
// spaces and signs, the rest the general way.
inline int FieldNumber(std::string_view field) {
    const char* at = field.data();
    if (field.size() == 2 && AreTwoDigits(at)) return TwoDigitValue(at);
    if (field.size() == 4 && AreTwoDigits(at) && AreTwoDigits(at + 2))
        return TwoDigitValue(at) * 100 + TwoDigitValue(at + 2);
    return WholeNumber(field);
}

int16_t NumberOrThrow(std::string_view field) {
    const int value = FieldNumber(field);
    if (value == kNoNumber) throw LotteryError("'" + std::string(field) + "' is not a valid integer value");
    return static_cast<int16_t>(value);
}

// Three letters as one number, in upper case whatever case they are written
// in: clearing bit 5 upper-cases an ASCII letter, and the only bytes that
// turn into a given capital that way are that letter in its two cases.
constexpr std::uint32_t UpperCaseKey(std::string_view letters) {
    std::uint32_t key = 0;
    for (const char letter : letters) key = key << 8 | (static_cast<unsigned char>(letter) & ~0x20u);
    return key;
}

constexpr std::array<std::uint32_t, 12> kMonthKeys = {
    UpperCaseKey("JAN"), UpperCaseKey("FEB"), UpperCaseKey("MAR"), UpperCaseKey("APR"),
    UpperCaseKey("MAY"), UpperCaseKey("JUN"), UpperCaseKey("JUL"), UpperCaseKey("AUG"),
    UpperCaseKey("SEP"), UpperCaseKey("OCT"), UpperCaseKey("NOV"), UpperCaseKey("DEC")};

// 1..12, or 0 when the three letters name no month.
int MonthNumber(std::string_view abbreviation) {
    if (abbreviation.size() != 3) return 0;
    const auto found = std::find(kMonthKeys.begin(), kMonthKeys.end(), UpperCaseKey(abbreviation));
    return found == kMonthKeys.end() ? 0 : static_cast<int>(found - kMonthKeys.begin()) + 1;
}

// The date field's characters 4-11 (month, dash and year) as one number, to
// compare in one step; 0 for a field too short to hold them.
std::uint64_t MonthAndYearKey(std::string_view field) {
    std::uint64_t key = 0;
    if (field.size() == kDateFieldWidth) std::memcpy(&key, field.data() + 3, sizeof key);
    return key;
}

// The month and year that the last date named. A results file is in date
// order, so nearly every line shares them with the line before; such a line
// gets its day by one addition, without the month being looked up or the
// calendar worked out again.
struct LastMonth {
    std::uint64_t key = 0;  // MonthAndYearKey of the field that named it
    DayNumber dayBeforeFirst = 0;
    int length = 0;  // days in the month
};

// Remembers the month and year of the field, when they make a real month.
bool RememberMonth(std::string_view field, std::uint64_t key, LastMonth& last) {
    const int month = MonthNumber(Columns(field, 4, 6));
    const int year = FieldNumber(Columns(field, 8, 11));
    if (month == 0 || year == kNoNumber || !IsValidCivilDate(year, month, 1)) return false;
    last = {key, DayFromCivil({year, month, 1}) - 1, DaysInMonth(year, month)};
    return true;
}

// The day of a DD-MMM-YYYY field, or kNoDate. A field too short for a key
// is always read in full.
inline DayNumber ImportDateDay(std::string_view field, LastMonth& last) {
    const std::uint64_t key = MonthAndYearKey(field);
    if ((key == 0 || key != last.key) && !RememberMonth(field, key, last)) return kNoDate;
    const int day = FieldNumber(Columns(field, 1, 2));
    if (day == kNoNumber || day < 1 || day > last.length) return kNoDate;
    return last.dayBeforeFirst + day;
}

void AddLine(std::string_view line, THistoryList& history, LastMonth& lastMonth) {
    static constexpr std::array<std::size_t, THistoryLine::kNumberCount> kNumberColumns = {23, 26, 29, 32,
                                                                                          35, 38, 42};
    THistoryLine::Numbers numbers{};
    // Unrolled, every field's columns are constants.
#pragma GCC unroll 7
    for (std::size_t i = 0; i < kNumberColumns.size(); ++i)
        numbers[i] = NumberOrThrow(Columns(line, kNumberColumns[i], kNumberColumns[i] + 1));
    const DayNumber date = ImportDateDay(Columns(line, 10, 20), lastMonth);
    if (date == kNoDate) throw LotteryError("'' is not a valid date");
    history.Add(numbers, date);
}

// One line into the history; false when its draw-number field is no whole
// number, which ends the reading.
bool ReadLine(std::string_view line, THistoryList& history, LastMonth& lastMonth) {
    if (Trimmed(line).empty()) return true;
    if (FieldNumber(Trimmed(Columns(line, 1, 3))) == kNoNumber) return false;
    AddLine(line, history, lastMonth);
    return true;
}

// True when one of the eight bytes is below 14, as CR and LF are (and so are
// tab and a few other control characters, which the caller then passes over
// one byte at a time).
bool HasControlByte(std::uint64_t eightBytes) {
    constexpr std::uint64_t kEachByte = 0x0101010101010101;
    return ((eightBytes - kEachByte * 14) & ~eightBytes & kEachByte * 0x80) != 0;
}

constexpr std::size_t kWordBytes = sizeof(std::uint64_t);

std::uint64_t WordAt(std::string_view text, std::size_t at) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, kWordBytes);
    return word;
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Where the line from `at` ends: at its first CR or LF, or at the end of the
// text. Eight bytes are tested at once while they hold no control byte, so a
// line's ordinary characters cost an eighth of a test each.
std::size_t LineEnd(std::string_view text, std::size_t at) {
    for (; at < text.size(); ++at) {
        while (at + kWordBytes <= text.size() && !HasControlByte(WordAt(text, at))) at += kWordBytes;
        if (at < text.size() && IsLineBreak(text[at])) return at;
    }
    return text.size();
}

// Hands each line to readLine, first to last, while it returns true; false
// when it stopped early. A line ends at CR LF, or at a lone CR or LF.
template <typename LineReader>
bool ForEachLine(std::string_view text, const LineReader& readLine) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = LineEnd(text, start);
        if (!readLine(text.substr(start, end - start))) return false;
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return true;
}

}  // namespace

std::optional<DayNumber> ParseImportDate(std::string_view field) {
    LastMonth noMonthYet;
    const DayNumber day = ImportDateDay(field, noMonthYet);
    if (day == kNoDate) return std::nullopt;
    return day;
}

ImportResult ReadImportFile(std::string_view text, int latestDrawNumber) {
    ImportResult result;
    // Any byte at all makes a line, if only a blank one.
    if (text.empty()) {
        result.status = ImportStatus::EmptyFile;
        return result;
    }
    try {
        LastMonth lastMonth;
        const auto readLine = [&](std::string_view line) { return ReadLine(line, result.history, lastMonth); };
        if (!ForEachLine(text, readLine)) {
            result.status = ImportStatus::FormatError;
            return result;
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
