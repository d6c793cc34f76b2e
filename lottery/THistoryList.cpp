#include "lottery/THistoryList.h"

#include "lottery/DrawCalendar.h"
#include "lottery/LotteryError.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace lottery {
namespace {

// Entries whose date is no date sort before every real date, as their
// "00000000" key does.
DayNumber SortDayOf(const THistoryLine& line) {
    return WholeDayOf(line.DrawDate()).value_or(std::numeric_limits<DayNumber>::min());
}

}  // namespace

void THistoryList::ReadFrom(ByteReader& reader) {
    lines_.clear();
    const int count = reader.ReadInt16();
    if (count <= 0) return;
    // The count is at most the list's limit, so this stays within the room
    // set aside.
    SetAsideRoom();
    for (int i = 0; i < count; ++i) {
        const std::string_view record = reader.ReadBytes(sizeof(THistoryLine));
        if (record.empty()) break;
        std::memcpy(&lines_.emplace_back(), record.data(), record.size());
    }
}

void THistoryList::WriteTo(ByteWriter& writer) const {
    writer.Reserve(writer.Bytes().size() + sizeof(int16_t) + lines_.size() * sizeof(THistoryLine));
    writer.WriteInt16(static_cast<int16_t>(lines_.size()));
    if (!lines_.empty())
        writer.WriteBytes(
            {reinterpret_cast<const char*>(lines_.data()), lines_.size() * sizeof(THistoryLine)});
}

THistoryLine& THistoryList::AddEmpty(DayNumber drawDate) {
    return NewEntry(THistoryLine::Unrecorded(drawDate));
}

void THistoryList::SetAsideRoomUnlessFull() {
    if (Full()) ThrowFull();
    SetAsideRoom();
}

void THistoryList::ThrowFull() {
    throw LotteryError("Cannot add the draw result: Tallimo can keep at most 32767 draw results.");
}

const THistoryLine* THistoryList::FindDrawOn(DayNumber day) const {
    for (const THistoryLine& line : lines_)
        if (WholeDayOf(line.DrawDate()) == day) return &line;
    return nullptr;
}

// Asking HasDrawOn draw by draw would walk the whole list once per draw.
// One walk marking the days that have an entry answers it for every draw.
// An entry appended here is dated on its own draw, which the loop has
// already passed, so the marks stay true. A full list has no room for any,
// which spares the walk after an import of the largest file.
void THistoryList::FillMissingDraws(int latestDrawNumber) {
    if (latestDrawNumber < 1 || Full()) return;
    const DayNumber firstDay = DrawDateOf(1);
    const DayNumber lastDay = DrawDateOf(latestDrawNumber);
    // A bit a day: fresh memory costs a page fault for every 4 KB touched.
    std::vector<bool> dated(static_cast<std::size_t>(lastDay - firstDay) + 1, false);
    // Within these bounds the whole day is the date cut toward zero; a NaN
    // fails both tests.
    const double from = firstDay;
    const double before = lastDay + 1.0;
    for (const THistoryLine& line : lines_) {
        const double date = line.DrawDate();
        if (date >= from && date < before) dated[static_cast<DayNumber>(date) - firstDay] = true;
    }
    for (int drawNumber = 1; drawNumber <= latestDrawNumber && !Full(); ++drawNumber) {
        const DayNumber drawDay = DrawDateOf(drawNumber);
        if (!dated[drawDay - firstDay]) AddEmpty(drawDay);
    }
}

int THistoryList::CountUnrecordedDraws() const {
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(),
                                          [](const THistoryLine& line) { return !line.IsRecorded(); }));
}

std::vector<HistoryRow> THistoryList::HistoryRows() const {
    struct DatedRow {
        DayNumber day;
        const THistoryLine* result;
    };
    std::vector<DatedRow> dated;
    dated.reserve(lines_.size());
    for (const THistoryLine& line : lines_) dated.push_back({SortDayOf(line), &line});
    std::stable_sort(dated.begin(), dated.end(),
                     [](const DatedRow& a, const DatedRow& b) { return a.day < b.day; });
    std::vector<HistoryRow> rows;
    rows.reserve(dated.size());
    for (const DatedRow& row : dated) rows.push_back({row.result});
    return rows;
}

bool THistoryList::operator==(const THistoryList& other) const {
    return lines_ == other.lines_;
}

}  // namespace lottery
