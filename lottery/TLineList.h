#pragma once

#include "lottery/ByteStream.h"
#include "lottery/TLine.h"
#include "lottery/TicketRow.h"

#include <vector>

namespace lottery {

// The ordered list of tickets, kept side by side in one block so that a
// large file loads without asking the heap for each ticket. Adding or
// deleting a ticket may move the others: references to tickets, and rows,
// which name tickets by their place, are good until the list next changes.
class TLineList {
public:
    // The file's ticket count is a signed 16-bit number.
    static constexpr int kMaxTickets = 32767;

    // Replaces the tickets by the file's: the count, then the records; an
    // incomplete last record is dropped.
    void ReadFrom(ByteReader& reader);
    void WriteTo(ByteWriter& writer) const;

    // Throws LotteryError when the list is full.
    TLine& AddTicket(const TLine::BoardArray& boards, const std::string& description,
                     DayNumber startDate, int16_t weeks, int16_t drawDays);
    void DeleteTicket(const TLine& ticket);

    int Count() const { return static_cast<int>(lines_.size()); }
    const TLine& At(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    TLine& At(int index) { return lines_[static_cast<std::size_t>(index)]; }
    const TLine& TicketOf(const TicketRow& row) const { return At(row.TicketIndex()); }
    int CountAllBoards() const;

    std::vector<TicketRow> TicketRows() const;
    // The same rows in a vector of the caller's: refilling a list's own
    // vector keeps its memory, where a new one would fault in fresh pages.
    void FillTicketRows(std::vector<TicketRow>& rows) const;

    bool operator==(const TLineList& other) const;

private:
    std::vector<TLine> lines_;
};

}  // namespace lottery
