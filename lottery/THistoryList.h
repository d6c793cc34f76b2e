#pragma once

#include "lottery/ByteStream.h"
#include "lottery/THistoryLine.h"

#include <string>
#include <vector>

namespace lottery {

// One draw result as the history list shows it.
struct HistoryRow {
    const THistoryLine* result = nullptr;

    std::string Key() const { return HistoryRowKey(result->DrawDate()); }
};

// The results history in insertion order (file order, then appended entries).
// It is never reordered; lookups by date take the first entry of that date.
// Entries keep their addresses while they are in the list: room for the
// largest history is set aside before the first entry goes in, so adding
// never moves the entries, and they need no allocation of their own.
class THistoryList {
public:
    THistoryList() = default;
    THistoryList(THistoryList&&) = default;
    THistoryList& operator=(THistoryList&&) = default;

    // The file's entry count is a signed 16-bit number.
    static constexpr int kMaxEntries = 32767;

    // Replaces the entries by the file's: the count, then the records,
    // each copied as it is into an entry. An incomplete last record is
    // dropped. The room set aside is kept, so a reload writes over memory
    // already in use.
    void ReadFrom(ByteReader& reader);
    void Clear() { lines_.clear(); }
    void WriteTo(ByteWriter& writer) const;

    // Throws LotteryError when the list is full. Inline, as an import adds
    // every line of its file through here.
    THistoryLine& Add(const THistoryLine::Numbers& numbers, DayNumber drawDate) {
        THistoryLine& line = NewEntry();
        line.SetResult(numbers, drawDate);
        return line;
    }
    THistoryLine& AddEmpty(DayNumber drawDate);

    bool HasDrawOn(DayNumber day) const { return FindDrawOn(day) != nullptr; }
    const THistoryLine* FindDrawOn(DayNumber day) const;

    // Appends an empty entry for every draw 1..latestDrawNumber that has none,
    // in draw order, as far as the list has room.
    void FillMissingDraws(int latestDrawNumber);

    int Count() const { return static_cast<int>(lines_.size()); }
    bool Full() const { return Count() >= kMaxEntries; }
    const THistoryLine& At(int index) const { return lines_[index]; }
    THistoryLine& At(int index) { return lines_[index]; }
    int CountUnrecordedDraws() const;

    // One row per entry, in date order; entries of the same date keep their
    // list order.
    std::vector<HistoryRow> HistoryRows() const;

    bool operator==(const THistoryList& other) const;

private:
    void SetAsideRoom() {
        if (lines_.capacity() < static_cast<std::size_t>(kMaxEntries)) lines_.reserve(kMaxEntries);
    }
    // A new entry at the end, made from the arguments (all zero without
    // any). Throws LotteryError when the list is full. The entries only
    // ever have room for none or for the largest list, so a list is at
    // its capacity only before its first entry or when it is full: one
    // test on every entry covers both.
    template <typename... Arguments>
    THistoryLine& NewEntry(const Arguments&... arguments) {
        if (lines_.size() == lines_.capacity()) SetAsideRoomUnlessFull();
        return lines_.emplace_back(arguments...);
    }
    void SetAsideRoomUnlessFull();
    [[noreturn]] static void ThrowFull();

    std::vector<THistoryLine> lines_;
};

}  // namespace lottery
