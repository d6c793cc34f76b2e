#pragma once

#include "lottery/CivilDate.h"

namespace lottery {

class TLine;

// Saturday draws began on 19 Nov 1994 (draw 1); Wednesday draws joined on
// 5 Feb 1997 (draw 117), after which odd draws are Wednesdays and even draws
// Saturdays.
inline constexpr DayNumber SaturdayDrawsStart = 34657;
inline constexpr DayNumber WednesdayDrawsStart = 35466;
inline constexpr DayNumber FirstAlternatingSaturday = 35469;  // 8 Feb 1997, draw 118

// 0 when the day is no draw day.
int DrawNumberOf(DayNumber day);
// The same for a stored date; a value that is no date gives 0.
int DrawNumberOf(double storedDate);
DayNumber DrawDateOf(int drawNumber);

int LatestDrawOnOrBefore(DayNumber today);
DayNumber NextDrawDate(DayNumber today);

// The ticket's last draw, or 0 for an unlimited ticket (more than 8 weeks).
DayNumber TicketLastDrawDate(int drawDays, int weeks, double startDate);
DayNumber TicketLastDrawDate(const TLine& ticket);
bool TicketExpired(const TLine& ticket, DayNumber today);
bool TicketValidForDraw(const TLine& ticket, int drawNumber);

}  // namespace lottery
