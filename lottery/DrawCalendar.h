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
static_assert(FirstAlternatingSaturday == WednesdayDrawsStart + 3);

// 0 when the day is no draw day.
int DrawNumberOf(DayNumber day);
// The same for a stored date; a value that is no date gives 0.
int DrawNumberOf(double storedDate);
// Inline, as filling a history asks it for every draw.
inline DayNumber DrawDateOf(int drawNumber) {
    // Arithmetic on huge draw numbers from a damaged file must not overflow.
    constexpr int kLargestDrawNumber = 2000000;
    if (drawNumber > kLargestDrawNumber) drawNumber = kLargestDrawNumber;
    if (drawNumber < -kLargestDrawNumber) drawNumber = -kLargestDrawNumber;
    if (drawNumber < 117) return SaturdayDrawsStart + (drawNumber - 1) * 7;
    // Each week from then on holds two draws, its Saturday three days after
    // its Wednesday: worked out without a branch, as which of the two a
    // ticket's draw is cannot be foreseen.
    const int sinceFirstWednesday = drawNumber - 117;
    return WednesdayDrawsStart + sinceFirstWednesday / 2 * 7 + sinceFirstWednesday % 2 * 3;
}

int LatestDrawOnOrBefore(DayNumber today);
DayNumber NextDrawDate(DayNumber today);

// The ticket's last draw, or 0 for an unlimited ticket (more than 8 weeks).
DayNumber TicketLastDrawDate(int drawDays, int weeks, double startDate);
DayNumber TicketLastDrawDate(const TLine& ticket);
bool TicketExpired(int drawDays, int weeks, double startDate, DayNumber today);
bool TicketExpired(const TLine& ticket, DayNumber today);
bool TicketValidForDraw(const TLine& ticket, int drawNumber);

}  // namespace lottery
