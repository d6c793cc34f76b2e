#include "lottery/NumberStatistics.h"

#include <algorithm>
#include <vector>

namespace lottery {
namespace {

struct DatedEntry {
    DayNumber day;
    int index;  // in list order

    bool operator<(const DatedEntry& other) const {
        return day != other.day ? day < other.day : index < other.index;
    }
};

// The entries within the days, each day once (its first entry), by date:
// the list is in insertion order, and an import may put any draw anywhere.
std::vector<DatedEntry> DaysInOrder(const THistoryList& history, DayNumber firstDay, DayNumber lastDay) {
    std::vector<DatedEntry> entries;
    entries.reserve(static_cast<std::size_t>(history.Count()));
    for (int index = 0; index < history.Count(); ++index) {
        const auto day = WholeDayOf(history.At(index).DrawDate());
        if (day && *day >= firstDay && *day <= lastDay) entries.push_back({*day, index});
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const DatedEntry& a, const DatedEntry& b) { return a.day == b.day; }),
                  entries.end());
    return entries;
}

bool Countable(int number) {
    return number >= NumberStatistics::kLowest && number <= NumberStatistics::kHighest;
}

}  // namespace

NumberStatistics::NumberStatistics(const THistoryList& history, DayNumber firstDay, DayNumber lastDay) {
    for (const DatedEntry& entry : DaysInOrder(history, firstDay, lastDay)) {
        const THistoryLine& draw = history.At(entry.index);
        if (draw.IsRecorded()) Count(draw, entry.day);
    }
    for (NumberFigures& figures : figures_)
        if (figures.drawsSince != NumberFigures::kNeverDrawn) figures.drawsSince = recordedDraws_ - figures.drawsSince;
}

// Until the end, drawsSince holds the count of draws up to and including
// the last that had the number.
void NumberStatistics::Count(const THistoryLine& draw, DayNumber day) {
    ++recordedDraws_;
    for (int16_t ball : draw.BallArray()) {
        if (!Countable(ball)) continue;
        NumberFigures& figures = figures_[static_cast<std::size_t>(ball)];
        ++figures.asBall;
        figures.drawsSince = recordedDraws_;
        figures.lastDrawnOn = day;
    }
    if (Countable(draw.BonusBall())) ++figures_[static_cast<std::size_t>(draw.BonusBall())].asBonus;
}

std::optional<DaySpan> RecordedSpan(const THistoryList& history) {
    std::optional<DaySpan> span;
    for (int index = 0; index < history.Count(); ++index) {
        const THistoryLine& entry = history.At(index);
        const auto day = WholeDayOf(entry.DrawDate());
        if (!day || !entry.IsRecorded()) continue;
        if (!span) span = DaySpan{*day, *day};
        span->first = std::min(span->first, *day);
        span->last = std::max(span->last, *day);
    }
    return span;
}

}  // namespace lottery
