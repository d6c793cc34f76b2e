#include "lottery/DrawCalendar.h"

#include "lottery/TLine.h"

namespace lottery {
int DrawNumberOf(DayNumber day) {
    if (day >= WednesdayDrawsStart) {
        // Counted from the first Wednesday draw, a Wednesday is a whole
        // number of weeks on and a Saturday three days more; chosen without
        // a branch, as the weekday of a ticket's start cannot be foreseen.
        static constexpr int kFirstDrawOfWeekday[7] = {117, 0, 0, 118, 0, 0, 0};
        const int sinceFirstWednesday = day - WednesdayDrawsStart;
        const int firstOfKind = kFirstDrawOfWeekday[sinceFirstWednesday % 7];
        return (firstOfKind != 0) * (sinceFirstWednesday / 7 * 2) + firstOfKind;
    }
    if (day >= SaturdayDrawsStart && WeekdayOf(day) == Saturday) return (day - SaturdayDrawsStart) / 7 + 1;
    return 0;
}

int DrawNumberOf(double storedDate) {
    const auto day = WholeDayOf(storedDate);
    return day ? DrawNumberOf(*day) : 0;
}

// Before Wednesday draws began, a Wednesday is no draw day: stepping back to
// the last Wednesday or Saturday would give no draw at all then.
int LatestDrawOnOrBefore(DayNumber today) {
    DayNumber day = today;
    while (day >= SaturdayDrawsStart && DrawNumberOf(day) == 0) --day;
    return DrawNumberOf(day);
}

DayNumber NextDrawDate(DayNumber today) {
    const int weekday = WeekdayOf(today);
    return weekday <= Wednesday ? today + Wednesday - weekday : today + Saturday - weekday;
}

DayNumber TicketLastDrawDate(int drawDays, int weeks, double startDate) {
    if (weeks > 8) return 0;
    const int drawsAfterFirst = drawDays == 0 ? 2 * weeks - 1 : 2 * weeks - 2;
    return DrawDateOf(DrawNumberOf(startDate) + drawsAfterFirst);
}

DayNumber TicketLastDrawDate(const TLine& ticket) {
    return TicketLastDrawDate(ticket.DrawDays(), ticket.Weeks(), ticket.StartDate());
}

bool TicketExpired(int drawDays, int weeks, double startDate, DayNumber today) {
    const DayNumber last = TicketLastDrawDate(drawDays, weeks, startDate);
    return last != 0 && last < today;
}

bool TicketExpired(const TLine& ticket, DayNumber today) {
    return TicketExpired(ticket.DrawDays(), ticket.Weeks(), ticket.StartDate(), today);
}

bool TicketValidForDraw(const TLine& ticket, int drawNumber) {
    const DayNumber drawDay = DrawDateOf(drawNumber);
    const auto start = WholeDayOf(ticket.StartDate());
    if (!start || *start > drawDay) return false;
    const DayNumber last = TicketLastDrawDate(ticket);
    if (last != 0 && drawDay > last) return false;
    if (ticket.DrawDays() == 1) return WeekdayOf(drawDay) == Wednesday;
    if (ticket.DrawDays() == 2) return WeekdayOf(drawDay) == Saturday;
    return true;
}

}  // namespace lottery
