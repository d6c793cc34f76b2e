#include "lottery/DrawCalendar.h"
#include "lottery/TLine.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lottery;

namespace {

DayNumber Day(int year, int month, int day) {
    return DayFromCivil({year, month, day});
}

TLine Ticket(DayNumber start, int16_t weeks, int16_t drawDays) {
    TLine ticket;
    TLine::BoardArray boards{};
    boards[0] = {1, 2, 3, 4, 5, 6};
    ticket.SetTicket(boards, "", start, weeks, drawDays);
    return ticket;
}

}  // namespace

TEST(DrawCalendar, DayNumbersMatchTheFilesEpoch) {
    EXPECT_EQ(Day(1994, 11, 19), 34657);
    EXPECT_EQ(Day(1997, 2, 5), 35466);
    EXPECT_EQ(Day(1899, 12, 30), 0);
    EXPECT_EQ(WeekdayOf(Day(1994, 11, 19)), Saturday);
    EXPECT_EQ(WeekdayOf(Day(1997, 2, 5)), Wednesday);
    for (DayNumber d = -693593; d <= 2958465; d += 997) {
        const CivilDate civil = CivilFromDay(d);
        ASSERT_TRUE(IsValidCivilDate(civil.year, civil.month, civil.day));
        ASSERT_EQ(DayFromCivil(civil), d);
    }
}

TEST(DrawCalendar, DrawNumbersOfTheFirstDraws) {
    EXPECT_EQ(DrawNumberOf(Day(1994, 11, 19)), 1);
    EXPECT_EQ(DrawNumberOf(Day(1997, 2, 1)), 116);
    EXPECT_EQ(DrawNumberOf(Day(1997, 2, 5)), 117);
    EXPECT_EQ(DrawNumberOf(Day(1997, 2, 8)), 118);
    EXPECT_EQ(DrawNumberOf(Day(1997, 2, 12)), 119);
}

TEST(DrawCalendar, DaysWithoutADrawGiveZero) {
    EXPECT_EQ(DrawNumberOf(Day(1997, 1, 29)), 0);  // a Wednesday before Wednesday draws
    EXPECT_EQ(DrawNumberOf(Day(1997, 2, 7)), 0);   // a Friday
    EXPECT_EQ(DrawNumberOf(Day(1994, 11, 18)), 0);
    EXPECT_EQ(DrawNumberOf(Day(1994, 11, 12)), 0);  // a Saturday before the first draw
    EXPECT_EQ(DrawNumberOf(std::nan("")), 0);
    EXPECT_EQ(DrawNumberOf(1e300), 0);
    for (DayNumber day = WednesdayDrawsStart; day < WednesdayDrawsStart + 7 * 3000; ++day) {
        const int weekday = WeekdayOf(day);
        ASSERT_EQ(DrawNumberOf(day) != 0, weekday == Wednesday || weekday == Saturday) << day;
    }
}

TEST(DrawCalendar, DrawDatesRoundTripAndLeaveAFourDayGap) {
    EXPECT_EQ(DrawDateOf(116), Day(1997, 2, 1));
    EXPECT_EQ(DrawDateOf(117), Day(1997, 2, 5));
    EXPECT_EQ(DrawDateOf(0), Day(1994, 11, 12));
    for (int n = 1; n <= 40000; ++n) ASSERT_EQ(DrawNumberOf(DrawDateOf(n)), n) << n;
}

TEST(DrawCalendar, LatestAndNextDraw) {
    const DayNumber thursday = Day(2026, 12, 10);
    EXPECT_EQ(DrawDateOf(LatestDrawOnOrBefore(thursday)), Day(2026, 12, 9));
    EXPECT_EQ(NextDrawDate(thursday), Day(2026, 12, 12));
    const DayNumber saturday = Day(2026, 12, 12);
    EXPECT_EQ(DrawDateOf(LatestDrawOnOrBefore(saturday)), saturday);
    EXPECT_EQ(NextDrawDate(saturday), saturday);
    EXPECT_EQ(NextDrawDate(Day(2026, 12, 6)), Day(2026, 12, 9));  // Sunday -> Wednesday
}

TEST(DrawCalendar, LatestDrawBeforeWednesdayDrawsIsTheSaturdayBefore) {
    EXPECT_EQ(LatestDrawOnOrBefore(Day(1994, 11, 30)), 2);  // a Wednesday in 1994
    EXPECT_EQ(LatestDrawOnOrBefore(Day(1997, 2, 4)), 116);
    EXPECT_EQ(LatestDrawOnOrBefore(Day(1997, 2, 5)), 117);
    EXPECT_EQ(LatestDrawOnOrBefore(Day(1994, 11, 18)), 0);  // before the first draw
}

TEST(DrawCalendar, LastDrawOfATicket) {
    EXPECT_EQ(TicketLastDrawDate(0, 1, Day(1997, 2, 5)), Day(1997, 2, 8));
    EXPECT_EQ(TicketLastDrawDate(2, 2, Day(1997, 2, 8)), Day(1997, 2, 15));
    EXPECT_EQ(TicketLastDrawDate(1, 1, Day(1997, 2, 5)), Day(1997, 2, 5));
    EXPECT_EQ(TicketLastDrawDate(0, 2, Day(1994, 11, 19)), Day(1994, 12, 10));
    EXPECT_EQ(TicketLastDrawDate(0, 9, Day(1997, 2, 5)), 0);
    EXPECT_EQ(TicketLastDrawDate(0, 32767, Day(1997, 2, 5)), 0);
}

TEST(DrawCalendar, ExpiryStartsTheDayAfterTheLastDraw) {
    const TLine ticket = Ticket(Day(1997, 2, 5), 1, 0);  // last draw Sat 8 Feb 1997
    EXPECT_FALSE(TicketExpired(ticket, Day(1997, 2, 8)));
    EXPECT_TRUE(TicketExpired(ticket, Day(1997, 2, 9)));
    EXPECT_FALSE(TicketExpired(Ticket(Day(1997, 2, 5), 9, 0), Day(2030, 1, 1)));
}

TEST(DrawCalendar, ValidityFollowsTheRunAndTheDrawDays) {
    const TLine wednesdays = Ticket(Day(1997, 2, 5), 2, 1);
    EXPECT_TRUE(TicketValidForDraw(wednesdays, 117));
    EXPECT_FALSE(TicketValidForDraw(wednesdays, 118));  // a Saturday inside the run
    EXPECT_TRUE(TicketValidForDraw(wednesdays, 119));
    EXPECT_FALSE(TicketValidForDraw(wednesdays, 121));  // after the run

    const TLine both = Ticket(Day(1997, 2, 8), 1, 0);
    EXPECT_FALSE(TicketValidForDraw(both, 117));  // before the start
    EXPECT_TRUE(TicketValidForDraw(both, 119));   // the Wednesday after a Saturday start

    const TLine unlimited = Ticket(Day(1997, 2, 8), 9, 2);
    EXPECT_TRUE(TicketValidForDraw(unlimited, 3000));
    EXPECT_FALSE(TicketValidForDraw(unlimited, 3001));
}
