#include "datepicker/MonthLayout.h"

namespace datepicker {
namespace {

// QDate counts Monday = 1 .. Sunday = 7; the calendar counts from Sunday = 0.
TEPDayOfWeek DayOfWeekOf(const QDate& date) {
    return static_cast<TEPDayOfWeek>(date.dayOfWeek() % 7);
}

}  // namespace

MonthLayout::MonthLayout(const QDate& shownDate, TEPDayOfWeek startOfWeek)
    : firstOfMonth_(shownDate.year(), shownDate.month(), 1),
      offset_((DayOfWeekOf(firstOfMonth_) - startOfWeek + 7) % 7) {}

QDate MonthLayout::DateOfCell(int column, int row) const {
    if (row < 1) return {};
    const int dayOfMonth = column + 7 * row - offset_ - 6;
    return firstOfMonth_.addDays(dayOfMonth - 1);
}

QPoint MonthLayout::CellOfDay(int day) const {
    const int index = offset_ + day + 6;
    return {index % 7, index / 7};
}

bool MonthLayout::InShownMonth(const QDate& date) const {
    return date.isValid() && date.year() == firstOfMonth_.year() &&
           date.month() == firstOfMonth_.month();
}

}  // namespace datepicker
