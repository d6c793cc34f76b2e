#pragma once

#include "datepicker/CalendarTypes.h"

#include <QDate>
#include <QPoint>

namespace datepicker {

// Where the days of one month fall in the calendar's 7 x 7 grid: row 0 holds
// the weekday headings, day 1 always lies in row 1, and the six week rows are
// padded with the days of the months before and after.
class MonthLayout {
public:
    MonthLayout(const QDate& shownDate, TEPDayOfWeek startOfWeek);

    // The date shown in a cell; an invalid date for the heading row.
    QDate DateOfCell(int column, int row) const;
    // The cell (x = column, y = row) of a day of the shown month.
    QPoint CellOfDay(int day) const;
    bool InShownMonth(const QDate& date) const;

private:
    QDate firstOfMonth_;
    int offset_;  // the column of day 1
};

}  // namespace datepicker
