#include "lottery/HistoryImport.h"

#include "lottery/LotteryError.h"

#include <algorithm>
#include <array>
#include <bit>
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

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
// Written out letter by letter, which the compiler reads as two loads.
constexpr std::uint32_t UpperCaseKey(std::string_view threeLetters) {
    const auto letter = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(threeLetters[at]));
    };
    return (letter(0) | letter(1) << 8 | letter(2) << 16) & 0xdfdfdfu;
}

constexpr std::array<std::uint32_t, 12> kMonthKeys = {
    UpperCaseKey("JAN"), UpperCaseKey("FEB"), UpperCaseKey("MAR"), UpperCaseKey("APR"),
    UpperCaseKey("MAY"), UpperCaseKey("JUN"), UpperCaseKey("JUL"), UpperCaseKey("AUG"),
    UpperCaseKey("SEP"), UpperCaseKey("OCT"), UpperCaseKey("NOV"), UpperCaseKey("DEC")};

// Each month's key lands in its own one of sixteen slots, by a multiplier
// found while compiling; a lookup is then one multiplication and one
// compare, with no branch to mispredict.
constexpr std::uint32_t MonthSlot(std::uint32_t key, std::uint32_t multiplier) {
    return key * multiplier >> 16 & 0xf;
}

constexpr std::uint32_t MonthSlotMultiplier() {
    for (std::uint32_t multiplier = 1;; ++multiplier) {
        unsigned taken = 0;
        for (const std::uint32_t key : kMonthKeys) taken |= 1u << MonthSlot(key, multiplier);
        if (std::popcount(taken) == static_cast<int>(kMonthKeys.size())) return multiplier;
    }
}

constexpr std::uint32_t kMonthSlotMultiplier = MonthSlotMultiplier();

struct MonthSlots {
    std::array<std::uint32_t, 16> key{};
    std::array<int, 16> month{};  // 1..12; 0 in a slot no month takes
};

constexpr MonthSlots kMonthSlots = [] {
    MonthSlots slots;
    for (std::size_t month = 0; month < kMonthKeys.size(); ++month) {
        const std::uint32_t slot = MonthSlot(kMonthKeys[month], kMonthSlotMultiplier);
        slots.key[slot] = kMonthKeys[month];
        slots.month[slot] = static_cast<int>(month) + 1;
    }
    return slots;
}();

// 1..12, or 0 when the three letters name no month.
int MonthNumber(std::string_view abbreviation) {
    if (abbreviation.size() != 3) return 0;
    const std::uint32_t key = UpperCaseKey(abbreviation);
    const std::uint32_t slot = MonthSlot(key, kMonthSlotMultiplier);
    return kMonthSlots.key[slot] == key ? kMonthSlots.month[slot] : 0;
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
// calendar worked out again. And nearly every new month follows the last
// in the same year, so it starts where the last one ended.
struct LastMonth {
    std::uint64_t key = 0;  // MonthAndYearKey of the field that named it
    DayNumber dayBeforeFirst = 0;
    int length = 0;  // days in the month; 0 before any month was named
    int year = 0;
    int month = 0;
};

// The year's four characters, the top half of a key.
std::uint32_t YearCharacters(std::uint64_t key) {
    return static_cast<std::uint32_t>(key >> 32);
}

// Remembers the month and year of the field, when they make a real month.
bool RememberMonth(std::string_view field, std::uint64_t key, LastMonth& last) {
    const int month = MonthNumber(Columns(field, 4, 6));
    if (month == 0) return false;
    // The year written as the last one was is the same real year.
    if (key != 0 && last.length != 0 && YearCharacters(key) == YearCharacters(last.key)) {
        const DayNumber dayBeforeFirst = month == last.month + 1 ? last.dayBeforeFirst + last.length
                                                                 : DayFromCivil({last.year, month, 1}) - 1;
        last = {key, dayBeforeFirst, DaysInMonth(last.year, month), last.year, month};
        return true;
    }
    const int year = FieldNumber(Columns(field, 8, 11));
    if (year == kNoNumber || !IsValidCivilDate(year, month, 1)) return false;
    last = {key, DayFromCivil({year, month, 1}) - 1, DaysInMonth(year, month), year, month};
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

// Where the line after the one ending at `end` starts: past its CR LF, or
// past its lone CR or LF; the text's end for a line that ended with the
// text, so that no reader is sent past it.
std::size_t NextLineStart(std::string_view text, std::size_t end) {
    if (end >= text.size()) return text.size();
    const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
    return end + (crLf ? 2 : 1);
}

// Nearly every line of a results file is written the same way: the draw
// number from the first column, two-digit fields with no spaces or signs,
// and nothing before the bonus ball that ends the line. Where the processor
// has the vector instructions for it (AVX: x86 processors since 2011), such
// a plain line is told and read sixteen bytes at a time, which gives the
// same entry as reading it field by field. Any other line, and every line on
// other processors, is read field by field.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))

#define TALLIMO_PLAIN_LINE_VECTORS __attribute__((target("avx")))

// What each of a plain line's first 48 bytes holds: 'd' a digit, 'c' any
// character that ends no line, '.' whatever follows the bonus ball, even
// the next line. The draw number's first digit is here, the rest of its
// rules are checked apart.
constexpr std::string_view kPlainLayout =
    "dcccccccc" "dd" "ccccccccccc" "dd" "c" "dd" "c" "dd" "c" "dd" "c" "dd" "c" "dd" "cc" "dd" ".....";
constexpr std::size_t kPlainLineLength = 43;  // to the bonus ball's last digit
constexpr std::size_t kVectorBytes = sizeof(__m128i);
static_assert(kPlainLayout.size() == 3 * kVectorBytes && kPlainLayout[kPlainLineLength - 1] == 'd' &&
              kPlainLayout[kPlainLineLength] == '.');

// The values each byte of a plain line may take: from `least` to `least +
// span`, so that one unsigned compare tests both ends.
struct PlainByteRanges {
    std::array<unsigned char, kPlainLayout.size()> least{};
    std::array<unsigned char, kPlainLayout.size()> span{};
};

constexpr unsigned char kLeastInLine = 14;  // below are CR, LF and the control characters tested with them
constexpr unsigned char kLastAscii = 0x7f;

constexpr PlainByteRanges PlainRanges() {
    PlainByteRanges ranges;
    for (std::size_t at = 0; at < kPlainLayout.size(); ++at) {
        const char kind = kPlainLayout[at];
        ranges.least[at] = kind == 'd' ? '0' : kind == 'c' ? kLeastInLine : 0;
        ranges.span[at] = kind == 'd' ? '9' - '0' : kind == 'c' ? kLastAscii - kLeastInLine : 0xff;
    }
    return ranges;
}

constexpr PlainByteRanges kPlainRanges = PlainRanges();

// Where the two digits of each number are, as byte places in the 48 bytes:
// the six balls, the bonus ball, then the day of the date.
constexpr std::array<std::size_t, 8> kTensPlaces = {22, 25, 28, 31, 34, 37, 41, 9};

// For the vector of bytes `from` to `from + 15`: the byte shuffle that
// brings each number's tens and units to the two bytes of its own 16-bit
// lane, taking from this vector only the digits that lie in it.
constexpr std::array<char, kVectorBytes> DigitGathering(std::size_t from) {
    std::array<char, kVectorBytes> shuffle{};
    for (std::size_t lane = 0; lane < kTensPlaces.size(); ++lane) {
        for (std::size_t digit = 0; digit < 2; ++digit) {
            const std::size_t place = kTensPlaces[lane] + digit;
            const bool inThisVector = place >= from && place < from + kVectorBytes;
            shuffle[2 * lane + digit] = inThisVector ? static_cast<char>(place - from) : char(0x80);  // 0x80: a zero
        }
    }
    return shuffle;
}

constexpr std::array<std::array<char, kVectorBytes>, 3> kDigitGathering = {
    DigitGathering(0), DigitGathering(kVectorBytes), DigitGathering(2 * kVectorBytes)};

// The rounds of the balls' sorting network (the same network as a recorded
// result's): in each, the lane each lane is compared with, and the lanes
// that keep the larger of their pair. Lanes 6 and 7, the bonus ball and the
// day, stay as they are.
struct SortRound {
    std::array<int, 8> partner;
    std::array<bool, 8> keepsLarger;
};

constexpr std::array<SortRound, 5> kSortRounds = {{
    {{5, 3, 4, 1, 2, 0, 6, 7}, {false, false, false, true, true, true}},
    {{0, 2, 1, 4, 3, 5, 6, 7}, {false, false, true, false, true, false}},
    {{3, 1, 5, 0, 4, 2, 6, 7}, {false, false, false, true, false, true}},
    {{1, 0, 3, 2, 5, 4, 6, 7}, {false, true, false, true, false, true}},
    {{0, 2, 1, 4, 3, 5, 6, 7}, {false, false, true, false, true, false}},
}};

// The byte shuffle that brings each lane's partner in a round to it.
constexpr std::array<std::array<char, kVectorBytes>, kSortRounds.size()> PartnerShuffles() {
    std::array<std::array<char, kVectorBytes>, kSortRounds.size()> shuffles{};
    for (std::size_t round = 0; round < kSortRounds.size(); ++round)
        for (std::size_t at = 0; at < kVectorBytes; ++at)
            shuffles[round][at] = static_cast<char>(2 * kSortRounds[round].partner[at / 2] + at % 2);
    return shuffles;
}

constexpr std::array<std::array<char, kVectorBytes>, kSortRounds.size()> kPartnerShuffles = PartnerShuffles();

// The lanes that keep the larger of their pair, a bit a lane, as the
// blend instruction takes them.
constexpr int LanesKeepingLarger(const SortRound& round) {
    int lanes = 0;
    for (std::size_t lane = 0; lane < round.keepsLarger.size(); ++lane) lanes |= round.keepsLarger[lane] << lane;
    return lanes;
}

TALLIMO_PLAIN_LINE_VECTORS __m128i VectorAt(const void* at) {
    return _mm_loadu_si128(static_cast<const __m128i*>(at));
}

// The 48 bytes from a plain line's start.
struct LineVectors {
    __m128i bytes[3];
};

// Each byte of the 48 less the least value it may take: a digit's offset
// is then its value.
TALLIMO_PLAIN_LINE_VECTORS LineVectors OffsetsFromLeast(const LineVectors& line) {
    LineVectors offsets;
    for (std::size_t i = 0; i < 3; ++i)
        offsets.bytes[i] = _mm_sub_epi8(line.bytes[i], VectorAt(kPlainRanges.least.data() + i * kVectorBytes));
    return offsets;
}

// Saturated at zero, what is left of an offset less its span is not zero
// just where a byte lies outside its range.
TALLIMO_PLAIN_LINE_VECTORS bool HasPlainLayout(const LineVectors& offsets) {
    __m128i outside = _mm_setzero_si128();
    for (std::size_t i = 0; i < 3; ++i) {
        const __m128i span = VectorAt(kPlainRanges.span.data() + i * kVectorBytes);
        outside = _mm_or_si128(outside, _mm_subs_epu8(offsets.bytes[i], span));
    }
    return _mm_testz_si128(outside, outside) != 0;
}

// After the draw number's first digit, which the layout tests: up to two
// more digits, then spaces to the field's end, so that it is a whole number
// once trimmed.
bool HasPlainDrawNumberEnd(const char* line) {
    if (IsDigit(line[1])) return IsDigit(line[2]) || line[2] == ' ';
    return line[1] == ' ' && line[2] == ' ';
}

// The eight numbers of a plain line as 16-bit lanes, from the offsets of
// its bytes: the six balls, the bonus ball, the day.
TALLIMO_PLAIN_LINE_VECTORS __m128i PlainLineNumbers(const LineVectors& offsets) {
    __m128i digits = _mm_setzero_si128();
    for (std::size_t i = 0; i < 3; ++i)
        digits = _mm_or_si128(digits, _mm_shuffle_epi8(offsets.bytes[i], VectorAt(kDigitGathering[i].data())));
    // Each lane is tens and units times 10 and 1 (the bytes 10 and 1 of
    // 0x010a, low byte first).
    return _mm_maddubs_epi16(digits, _mm_set1_epi16(0x010a));
}

// One round of the network, on every lane at once.
template <std::size_t kRound>
TALLIMO_PLAIN_LINE_VECTORS __m128i AfterSortRound(__m128i numbers) {
    constexpr int kLanesKeepingLarger = LanesKeepingLarger(kSortRounds[kRound]);
    const __m128i partners = _mm_shuffle_epi8(numbers, VectorAt(kPartnerShuffles[kRound].data()));
    return _mm_blend_epi16(_mm_min_epi16(numbers, partners), _mm_max_epi16(numbers, partners), kLanesKeepingLarger);
}

template <std::size_t... kRounds>
TALLIMO_PLAIN_LINE_VECTORS __m128i AfterSortRounds(__m128i numbers, std::index_sequence<kRounds...>) {
    ((numbers = AfterSortRound<kRounds>(numbers)), ...);
    return numbers;
}

// True when no ball is larger than the next: each of lanes 0..4 compared
// with the lane after it, whose place the shift by one lane gives it.
TALLIMO_PLAIN_LINE_VECTORS bool AreBallsInOrder(__m128i numbers) {
    constexpr int kBytesOfFirstFiveLanes = 0x3ff;
    const __m128i next = _mm_srli_si128(numbers, sizeof(std::int16_t));
    return (_mm_movemask_epi8(_mm_cmpgt_epi16(numbers, next)) & kBytesOfFirstFiveLanes) == 0;
}

// The same lanes with the balls in ascending order. Results are usually
// listed that way already, and a line that is passes by the network.
TALLIMO_PLAIN_LINE_VECTORS __m128i BallsSorted(__m128i numbers) {
    if (AreBallsInOrder(numbers)) return numbers;
    return AfterSortRounds(numbers, std::make_index_sequence<kSortRounds.size()>());
}

// Where the line after a plain one starts, given the plain line's last 16
// of its 48 bytes. Nearly every line ends with CR LF or LF right after its
// bonus ball; that is tested with branches, which the processor predicts,
// so that it goes on to the next line while this one is still being read
// rather than waiting for the line's end to be worked out from its bytes.
TALLIMO_PLAIN_LINE_VECTORS std::size_t AfterPlainLine(std::string_view text, std::size_t start, __m128i lastBytes) {
    const std::size_t bonusEnd = start + kPlainLineLength;
    std::uint16_t twoBytes;  // within the 48 bytes, so in the text
    std::memcpy(&twoBytes, text.data() + bonusEnd, sizeof twoBytes);
    if (twoBytes == ('\n' << 8 | '\r')) return bonusEnd + 2;  // CR LF, read low byte first
    if (text[bonusEnd] == '\n') return bonusEnd + 1;
    // No byte before the bonus ball's end is below 14, so the line ends at
    // the first CR or LF after it.
    const int breaks = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(lastBytes, _mm_set1_epi8('\r')),
                                                      _mm_cmpeq_epi8(lastBytes, _mm_set1_epi8('\n'))));
    const auto breaksAfterBonus = static_cast<unsigned>(breaks >> (kPlainLineLength - 2 * kVectorBytes));
    const std::size_t end = breaksAfterBonus == 0
                                ? LineEnd(text, start + kPlainLayout.size())
                                : bonusEnd + static_cast<std::size_t>(std::countr_zero(breaksAfterBonus));
    return NextLineStart(text, end);
}

// Adds the result of the line from `start` when it is plain, and moves
// `start` on to the next line; false when it is not, which adds nothing.
// Only a plain line's date can fail to be one.
TALLIMO_PLAIN_LINE_VECTORS inline bool AddIfPlain(std::string_view text, std::size_t& start, THistoryList& history,
                                                  LastMonth& lastMonth) {
    if (text.size() - start < kPlainLayout.size()) return false;
    const char* at = text.data() + start;
    // The month first, while no vector is in use that a call would have to
    // save. Remembering the month of a line that turns out not to be plain
    // does no harm: what is remembered follows from the key alone. A month
    // that is none is forgotten, which leaves no day in it.
    const std::string_view dateField(at + 9, kDateFieldWidth);
    const std::uint64_t key = MonthAndYearKey(dateField);
    if (key != lastMonth.key && !RememberMonth(dateField, key, lastMonth)) lastMonth = {};
    const LineVectors line = {{VectorAt(at), VectorAt(at + kVectorBytes), VectorAt(at + 2 * kVectorBytes)}};
    const LineVectors offsets = OffsetsFromLeast(line);
    if (!HasPlainLayout(offsets) || !HasPlainDrawNumberEnd(at)) return false;
    const __m128i lanes = PlainLineNumbers(offsets);
    const int day = _mm_extract_epi16(lanes, 7);
    // Day 0 wraps round to the largest unsigned value, so one compare tests
    // both ends.
    if (static_cast<unsigned>(day - 1) >= static_cast<unsigned>(lastMonth.length)) ThrowNoDate();
    THistoryLine::PaddedNumbers numbers;
    const __m128i sorted = BallsSorted(lanes);
    static_assert(sizeof numbers == sizeof sorted);
    std::memcpy(numbers.data(), &sorted, sizeof numbers);
    history.AddSorted(numbers, lastMonth.dayBeforeFirst + day);
    start = AfterPlainLine(text, start, line.bytes[2]);
    return true;
}

// Adds the results of the plain lines from `start` on, and gives where the
// first line that is not plain starts (or the text's end). The lines are
// read in this one function, so that what each needs stays in registers.
TALLIMO_PLAIN_LINE_VECTORS std::size_t AddPlainLines(std::string_view text, std::size_t start, THistoryList& history,
                                                     LastMonth& lastMonth) {
    // A line too short to be plain ends the loop, the text's end too.
    while (AddIfPlain(text, start, history, lastMonth)) {
    }
    return start;
}

bool CanReadPlainLines() {
    static const bool kCan = __builtin_cpu_supports("avx");
    return kCan;
}

#else

std::size_t AddPlainLines(std::string_view, std::size_t start, THistoryList&, LastMonth&) {
    return start;
}

bool CanReadPlainLines() {
    return false;
}

#endif

// Reads every line, first to last, the plain ones the quick way; false when
// a draw-number field that is no whole number stopped the reading.
bool ReadLines(std::string_view text, THistoryList& history) {
    const bool plainLinesToo = CanReadPlainLines();
    LastMonth lastMonth;
    for (std::size_t start = 0; start < text.size();) {
        if (plainLinesToo) start = AddPlainLines(text, start, history, lastMonth);
        if (start >= text.size()) break;
        const std::size_t end = LineEnd(text, start);
        if (!ReadLine(text.substr(start, end - start), history, lastMonth)) return false;
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
