#pragma once

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
int WeekdayOf(DayNumber day);

// The whole day of a stored date, or nothing when the stored value is no
// date at all (not finite, or outside the years 1..9999): a damaged file
// must never turn into undefined arithmetic.
std::optional<DayNumber> WholeDayOf(double storedDate);

}  // namespace lottery
