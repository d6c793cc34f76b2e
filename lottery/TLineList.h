#pragma once

#include "lottery/ByteStream.h"
#include "lottery/TLine.h"
#include "lottery/TicketRow.h"

#include <memory>
#include <vector>

namespace lottery {

// The ordered list of tickets. Tickets keep their addresses while they are
// in the list; rows name them by their place, so rows made before a change
// to the list are made again after it.
class TLineList {
public:
    // The file's ticket count is a signed 16-bit number.
    static constexpr int kMaxTickets = 32767;

    // Replaces the tickets by the file's: the count, then the records; an
    // incomplete last record is dropped. The tickets already in the list are
    // written over rather than freed and made again, which is what makes a
    // reload of a large file quick.
    void ReadFrom(ByteReader& reader);
    void WriteTo(ByteWriter& writer) const;

    // Throws LotteryError when the list is full.
    TLine& AddTicket(const TLine::BoardArray& boards, const std::string& description,
                     DayNumber startDate, int16_t weeks, int16_t drawDays);
    void DeleteTicket(const TLine& ticket);

    int Count() const { return static_cast<int>(lines_.size()); }
    const TLine& At(int index) const { return *lines_[index]; }
    TLine& At(int index) { return *lines_[index]; }
    const TLine& TicketOf(const TicketRow& row) const { return At(row.TicketIndex()); }
    int CountAllBoards() const;

    std::vector<TicketRow> TicketRows() const;

    bool operator==(const TLineList& other) const;

private:
    std::vector<std::unique_ptr<TLine>> lines_;
};

}  // namespace lottery
