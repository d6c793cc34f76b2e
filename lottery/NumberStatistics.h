#pragma once

#include "lottery/CivilDate.h"
#include "lottery/THistoryList.h"

#include <array>
#include <optional>

namespace lottery {

// How one number fared over a range of recorded draws.
struct NumberFigures {
    static constexpr int kNeverDrawn = -1;

    int asBall = 0;   // draws that had it among the six balls
    int asBonus = 0;  // draws that had it as the bonus ball
    // Recorded draws of the range after the last one that had it as a ball;
    // kNeverDrawn when no draw of the range had it.
    int drawsSince = kNeverDrawn;
    DayNumber lastDrawnOn = 0;  // only when drawsSince is not kNeverDrawn
};

// The numbers 1..49 over the recorded draws dated within a range of days.
// A day's draw is its first entry in list order, as everywhere in the
// program: an entry repeating a day counts no more, and a day whose first
// entry is not recorded is no recorded draw. Numbers outside 1..49, as a
// damaged file may hold, are not counted.
class NumberStatistics {
public:
    static constexpr int kLowest = 1;
    static constexpr int kHighest = 49;

    NumberStatistics(const THistoryList& history, DayNumber firstDay, DayNumber lastDay);

    int RecordedDraws() const { return recordedDraws_; }
    // number 1..49
    const NumberFigures& Of(int number) const { return figures_[static_cast<std::size_t>(number)]; }

private:
    void Count(const THistoryLine& draw, DayNumber day);

    int recordedDraws_ = 0;
    std::array<NumberFigures, kHighest + 1> figures_{};
};

// The days of the earliest and the latest recorded entry, or nothing when no
// entry is recorded.
struct DaySpan {
    DayNumber first = 0;
    DayNumber last = 0;
};
std::optional<DaySpan> RecordedSpan(const THistoryList& history);

}  // namespace lottery
