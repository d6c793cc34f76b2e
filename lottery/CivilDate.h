#pragma once

#include <cmath>
#include <optional>

namespace lottery {

// A date as a whole day number: days since 30 December 1899, the value the
// data files hold (as a double) and the draw calendar counts in.
using DayNumber = int;

struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

// Weekdays are numbered 1 = Sunday .. 7 = Saturday.
enum Weekday { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

bool IsValidCivilDate(int year, int month, int day);
// The month must be 1..12.
int DaysInMonth(int year, int month);
DayNumber DayFromCivil(const CivilDate& date);
CivilDate CivilFromDay(DayNumber day);

inline constexpr DayNumber kFirstValidDay = -693593;  // 1 Jan 0001
inline constexpr DayNumber kLastValidDay = 2958465;   // 31 Dec 9999

// Inline, as counting the expired tickets asks these for every ticket: out
// of line, the optional came back through memory and cost more than the
// arithmetic.
inline int WeekdayOf(DayNumber day) {
    // Day 0 was a Saturday.
    return ((day % 7 + 7 + 6) % 7) + 1;
}

// The whole day of a stored date, or nothing when the stored value is no
// date at all (not finite, or outside the years 1..9999): a damaged file
// must never turn into undefined arithmetic.
inline std::optional<DayNumber> WholeDayOf(double storedDate) {
    if (!std::isfinite(storedDate)) return std::nullopt;
    const double whole = std::trunc(storedDate);
    if (whole < kFirstValidDay || whole > kLastValidDay) return std::nullopt;
    return static_cast<DayNumber>(whole);
}

}  // namespace lottery
