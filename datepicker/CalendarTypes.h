#pragma once

#include <QFlags>

namespace datepicker {

// Where a day number sits in its cell.
enum TEPCalendarAlignment { epcaTopLeft, epcaTopCenter, epcaTopRight, epcaCenter };

// How the heading row names the weekdays.
enum TEPDayStyle { epdSingleLetter, epdShortName, epdLongName };

// The weekday of a column; 0 is Sunday.
enum TEPDayOfWeek {
    epdSunday,
    epdMonday,
    epdTuesday,
    epdWednesday,
    epdThursday,
    epdFriday,
    epdSaturday
};

// Bit n of the option set is option n; the set fits in 16 bits.
enum TEPCalendarOption : unsigned {
    epcoIntegralSize = 1u << 0,
    epcoShowHeadings = 1u << 1,
    epcoUseHeadingFont = 1u << 2,
    epcoDefaultDrawing = 1u << 3,
    epcoDrawAllDates = 1u << 4,
    epcoDrawGridLines = 1u << 5,
    epcoDrawSelected = 1u << 6,
    epcoDrawFocused = 1u << 7,
    epcoSelectAllDates = 1u << 8,
    epcoReadOnly = 1u << 9,
};
Q_DECLARE_FLAGS(TEPCalendarOptions, TEPCalendarOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEPCalendarOptions)

// 235: integral size, headings, default drawing, grid lines, selected and
// focused cells drawn.
inline constexpr TEPCalendarOptions kDefaultCalendarOptions =
    TEPCalendarOptions(epcoIntegralSize | epcoShowHeadings | epcoDefaultDrawing |
                       epcoDrawGridLines | epcoDrawSelected | epcoDrawFocused);

// The state of a grid cell as it is painted.
enum TGridDrawStateFlag : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum TEPBorderStyle { bsNone, bsSingle };

}  // namespace datepicker
