#include "lottery/THistoryList.h"

#include "lottery/DrawCalendar.h"
#include "lottery/LotteryError.h"

#include <algorithm>
#include <limits>

namespace lottery {
namespace {

// Entries whose date is no date sort before every real date, as their
// "00000000" key does.
DayNumber SortDayOf(const THistoryLine& line) {
    return WholeDayOf(line.DrawDate()).value_or(std::numeric_limits<DayNumber>::min());
}

}  // namespace

THistoryList THistoryList::ReadFrom(ByteReader& reader) {
    THistoryList list;
    const int count = reader.ReadInt16();
    if (count <= 0) return list;
    list.lines_.reserve(std::min<std::size_t>(count, reader.Remaining() / THistoryLine::kRecordSize));
    for (int i = 0; i < count; ++i) {
        THistoryLine line = THistoryLine::ReadFrom(reader);
        if (reader.Exhausted()) break;
        list.lines_.push_back(std::make_unique<THistoryLine>(line));
    }
    return list;
}

void THistoryList::WriteTo(ByteWriter& writer) const {
    writer.WriteInt16(static_cast<int16_t>(lines_.size()));
    for (const auto& line : lines_) line->WriteTo(writer);
}

THistoryLine& THistoryList::Add(const THistoryLine::Numbers& numbers, DayNumber drawDate) {
    if (Full())
        throw LotteryError("Cannot add the draw result: Tallimo can keep at most 32767 draw results.");
    auto line = std::make_unique<THistoryLine>();
    line->SetResult(numbers, drawDate);
    lines_.push_back(std::move(line));
    return *lines_.back();
}

const THistoryLine* THistoryList::FindDrawOn(DayNumber day) const {
    for (const auto& line : lines_)
        if (WholeDayOf(line->DrawDate()) == day) return line.get();
    return nullptr;
}

// Asking HasDrawOn draw by draw would scan the whole list once per draw. A
// draw date is the only day that gives its draw number, so one pass noting
// the draw number of every entry answers the same question for all draws.
// Entries appended here carry draws still to come in the loop, never a later
// one, so the notes taken before the loop stay true.
void THistoryList::FillMissingDraws(int latestDrawNumber) {
    if (latestDrawNumber < 1) return;
    std::vector<bool> present(static_cast<std::size_t>(latestDrawNumber) + 1, false);
    for (const auto& line : lines_) {
        const int drawNumber = DrawNumberOf(line->DrawDate());
        if (drawNumber >= 1 && drawNumber <= latestDrawNumber) present[drawNumber] = true;
    }
    for (int drawNumber = 1; drawNumber <= latestDrawNumber && !Full(); ++drawNumber)
        if (!present[drawNumber]) AddEmpty(DrawDateOf(drawNumber));
}

int THistoryList::CountUnrecordedDraws() const {
    return static_cast<int>(
        std::count_if(lines_.begin(), lines_.end(), [](const auto& line) { return !line->IsRecorded(); }));
}

std::vector<HistoryRow> THistoryList::HistoryRows() const {
    struct DatedRow {
        DayNumber day;
        const THistoryLine* result;
    };
    std::vector<DatedRow> dated;
    dated.reserve(lines_.size());
    for (const auto& line : lines_) dated.push_back({SortDayOf(*line), line.get()});
    std::stable_sort(dated.begin(), dated.end(),
                     [](const DatedRow& a, const DatedRow& b) { return a.day < b.day; });
    std::vector<HistoryRow> rows;
    rows.reserve(dated.size());
    for (const DatedRow& row : dated) rows.push_back({row.result});
    return rows;
}

bool THistoryList::operator==(const THistoryList& other) const {
    return std::equal(lines_.begin(), lines_.end(), other.lines_.begin(), other.lines_.end(),
                      [](const auto& a, const auto& b) { return *a == *b; });
}

}  // namespace lottery
