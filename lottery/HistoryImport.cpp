#include "lottery/HistoryImport.h"

#include "lottery/LotteryError.h"

#include <algorithm>
#include <array>
#include <bit>
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

[[noreturn]] void ThrowNoDate() {
    throw LotteryError("'' is not a valid date");
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
    if (date == kNoDate) ThrowNoDate();
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

// Nearly every line of a results file is written the same way: the draw
// number from the first column, two-digit fields with no spaces or signs,
// and nothing before the bonus ball that ends the line. Such a plain line is
// told and read a word of eight bytes at a time, which gives the same entry
// as reading it field by field. Any other line is read field by field.

// What each of a plain line's first 48 bytes holds: 'd' a digit, 'c' any
// character that ends no line, '.' whatever follows the bonus ball, even
// the next line. The draw number's own rules are checked apart.
constexpr std::string_view kPlainLayout =
    "ccccccccc" "dd" "ccccccccccc" "dd" "c" "dd" "c" "dd" "c" "dd" "c" "dd" "c" "dd" "cc" "dd" ".....";
constexpr std::size_t kPlainLineLength = 43;  // to the bonus ball's last digit
constexpr std::size_t kPlainWords = kPlainLayout.size() / kWordBytes;
static_assert(kPlainLayout.size() == kPlainWords * kWordBytes && kPlainLayout[kPlainLineLength - 1] == 'd' &&
              kPlainLayout[kPlainLineLength] == '.');

// How one word of a plain line is tested. Every byte tested is below 0x80,
// so adding at most 0x7f to it carries into no other byte; a byte of 0x80 or
// more fails by its own high bit, whatever its carry does to the next.
struct PlainWordTest {
    std::uint64_t addForLeast = 0;  // turns each byte's high bit on when it is at least its least value
    std::uint64_t addForDigit = 0;  // turns a digit byte's high bit on when it is above '9'
    std::uint64_t tested = 0;       // the high bit of every byte tested
    std::uint64_t digits = 0;       // the high bit of every digit byte
};

constexpr std::uint64_t kHighBit = 0x80;
constexpr char kLeastInLine = 14;  // below are CR, LF and the control characters tested with them

constexpr std::array<PlainWordTest, kPlainWords> PlainWordTests() {
    std::array<PlainWordTest, kPlainWords> tests{};
    for (std::size_t at = 0; at < kPlainLayout.size(); ++at) {
        PlainWordTest& test = tests[at / kWordBytes];
        const unsigned shift = 8 * (at % kWordBytes);
        const char kind = kPlainLayout[at];
        if (kind == '.') continue;
        const unsigned least = kind == 'd' ? '0' : kLeastInLine;
        test.addForLeast |= (kHighBit - least) << shift;
        test.tested |= kHighBit << shift;
        if (kind != 'd') continue;
        test.addForDigit |= (kHighBit - ('9' + 1)) << shift;
        test.digits |= kHighBit << shift;
    }
    return tests;
}

constexpr std::array<PlainWordTest, kPlainWords> kPlainWordTests = PlainWordTests();

// The bytes must be stored with the first at the lowest address.
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

bool HasPlainLayout(const char* line) {
    std::uint64_t failed = 0;
#pragma GCC unroll 6
    for (std::size_t word = 0; word < kPlainWords; ++word) {
        const PlainWordTest& test = kPlainWordTests[word];
        std::uint64_t bytes;
        std::memcpy(&bytes, line + word * kWordBytes, kWordBytes);
        failed |= ((~(bytes + test.addForLeast) | bytes) & test.tested) | ((bytes + test.addForDigit) & test.digits);
    }
    return failed == 0;
}

// One to three digits from the first column and spaces after them: a whole
// number once trimmed.
bool HasPlainDrawNumber(const char* line) {
    if (!IsDigit(line[0])) return false;
    if (IsDigit(line[1])) return IsDigit(line[2]) || line[2] == ' ';
    return line[1] == ' ' && line[2] == ' ';
}

bool IsPlainLine(std::string_view text, std::size_t start) {
    if (!kLittleEndian || text.size() - start < kPlainLayout.size()) return false;
    const char* line = text.data() + start;
    return HasPlainLayout(line) && HasPlainDrawNumber(line);
}

// The two-digit numbers at bytes 0-1, 3-4 and 6-7 of eight bytes known to
// hold digits there: each number's value ends up in its first byte.
constexpr std::uint64_t kTensBytes = 0x000f00000f00000f;
std::uint64_t ThreeTwoDigitValues(std::uint64_t bytes) {
    return (bytes & kTensBytes) * 10 + (bytes >> 8 & kTensBytes);
}

int16_t ValueOf(std::uint64_t values, int field) {
    return static_cast<int16_t>(values >> (24 * field) & 0xff);
}

template <typename Value>
Value Load(const char* at) {
    Value value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Adds a plain line's result. Its numbers are sure to be numbers; only its
// date can fail to be one.
void AddPlainLine(const char* line, THistoryList& history, LastMonth& lastMonth) {
    const std::uint64_t firstBalls = ThreeTwoDigitValues(Load<std::uint64_t>(line + 22));
    const std::uint64_t lastBalls = ThreeTwoDigitValues(Load<std::uint64_t>(line + 31));
    const std::uint64_t dayAndBonus =
        ThreeTwoDigitValues(Load<std::uint16_t>(line + 9) | std::uint64_t{Load<std::uint16_t>(line + 41)} << 24);
    const std::string_view dateField(line + 9, kDateFieldWidth);
    const std::uint64_t key = MonthAndYearKey(dateField);
    if (key != lastMonth.key && !RememberMonth(dateField, key, lastMonth)) ThrowNoDate();
    const int day = ValueOf(dayAndBonus, 0);
    if (day < 1 || day > lastMonth.length) ThrowNoDate();
    history.Add({ValueOf(firstBalls, 0), ValueOf(firstBalls, 1), ValueOf(firstBalls, 2), ValueOf(lastBalls, 0),
                 ValueOf(lastBalls, 1), ValueOf(lastBalls, 2), ValueOf(dayAndBonus, 1)},
                lastMonth.dayBeforeFirst + day);
}

// Where the line after the one ending at `end` starts: past its CR LF, or
// past its lone CR or LF.
std::size_t NextLineStart(std::string_view text, std::size_t end) {
    const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
    return end + (crLf ? 2 : 1);
}

// Reads every line, first to last, the plain ones the quick way; false when
// a draw-number field that is no whole number stopped the reading.
bool ReadLines(std::string_view text, THistoryList& history) {
    LastMonth lastMonth;
    for (std::size_t start = 0; start < text.size();) {
        const bool plain = IsPlainLine(text, start);
        // A plain line ends nowhere before its bonus ball.
        const std::size_t end = LineEnd(text, plain ? start + kPlainLineLength : start);
        if (plain)
            AddPlainLine(text.data() + start, history, lastMonth);
        else if (!ReadLine(text.substr(start, end - start), history, lastMonth))
            return false;
        start = NextLineStart(text, end);
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
        if (!ReadLines(text, result.history)) {
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
