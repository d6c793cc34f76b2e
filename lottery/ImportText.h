#pragma once

#include "lottery/CivilDate.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lottery {

// The text pieces both layouts of a results file are read with.

// Some editors start a UTF-8 text file with this mark; it is no part of the
// first line.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The lines of the text, each ending at CR LF, a lone CR or a lone LF. A
// break at the very end of the text starts no further line.
std::vector<std::string_view> ImportLines(std::string_view text);
// The first line that is not blank, or nothing.
std::string_view FirstLineNotBlank(std::string_view text);

// Spaces, tabs and control characters alike.
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
std::string_view Trimmed(std::string_view text);

// Leading spaces, an optional sign, then decimal digits to the field's end;
// nothing when there is anything else or the value is too large for an int.
std::optional<int> WholeNumber(std::string_view field);
// 1..12 for a month's three-letter abbreviation in any letter case; 0 for
// anything else.
int MonthNumber(std::string_view abbreviation);
// The day of a date given as its day, month abbreviation and year, or
// nothing when they name no real date.
std::optional<DayNumber> DateFromFields(std::string_view day, std::string_view month, std::string_view year);

// A ball or the bonus ball. Throws LotteryError, naming the field, when it
// is no number the history can hold.
int16_t NumberOrThrow(std::string_view field);
// Throws LotteryError when the date could not be read.
DayNumber DateOrThrow(std::optional<DayNumber> date);

}  // namespace lottery
