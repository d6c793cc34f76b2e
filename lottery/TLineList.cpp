#include "lottery/TLineList.h"

#include "lottery/LotteryError.h"

#include <algorithm>

namespace lottery {
namespace {

// The smallest ticket record: no boards beyond the 120 bytes, an empty
// counted text, the date, the weeks and the draw days.
constexpr std::size_t kSmallestRecord = 120 + 2 + 8 + 2 + 2;
constexpr std::size_t kTypicalRecord = kSmallestRecord + 32;

}  // namespace

void TLineList::ReadFrom(ByteReader& reader) {
    const int count = std::max<int>(reader.ReadInt16(), 0);
    lines_.clear();  // the block stays, so a reload asks the heap for nothing
    lines_.reserve(std::min<std::size_t>(count, reader.Remaining() / kSmallestRecord));
    for (int i = 0; i < count; ++i) {
        lines_.emplace_back(reader);
        if (reader.Exhausted()) {
            lines_.pop_back();
            break;
        }
    }
}

void TLineList::WriteTo(ByteWriter& writer) const {
    // Walking the tickets once more to add up their sizes costs as much as
    // the writing; room for a description of typical length is enough.
    writer.Reserve(writer.Bytes().size() + sizeof(int16_t) + lines_.size() * kTypicalRecord);
    writer.WriteInt16(static_cast<int16_t>(lines_.size()));
    for (const TLine& line : lines_) line.WriteTo(writer);
}

TLine& TLineList::AddTicket(const TLine::BoardArray& boards, const std::string& description,
                            DayNumber startDate, int16_t weeks, int16_t drawDays) {
    if (Count() >= kMaxTickets)
        throw LotteryError("Cannot add the ticket: Tallimo can keep at most 32767 tickets.\r\n\r\n"
                           "Delete tickets you no longer need, then add it again.");
    TLine& line = lines_.emplace_back();
    line.SetTicket(boards, description, startDate, weeks, drawDays);
    return line;
}

void TLineList::DeleteTicket(const TLine& ticket) {
    std::erase_if(lines_, [&ticket](const TLine& line) { return &line == &ticket; });
}

int TLineList::CountAllBoards() const {
    int count = 0;
    for (const TLine& line : lines_) count += line.CountBoards();
    return count;
}

std::vector<TicketRow> TLineList::TicketRows() const {
    std::vector<TicketRow> rows;
    FillTicketRows(rows);
    return rows;
}

void TLineList::FillTicketRows(std::vector<TicketRow>& rows) const {
    // One row per used board, in room for every board of every ticket: the
    // tickets are walked once, and pages of the room no row reaches are
    // never touched, so they cost no memory.
    rows.clear();
    rows.reserve(static_cast<std::size_t>(Count()) * TLine::kBoardCount);
    for (int index = 0; index < Count(); ++index)
        for (int board = 1; board <= TLine::kBoardCount; ++board)
            if (At(index).BoardInUse(board)) rows.emplace_back(index, board);
}

bool TLineList::operator==(const TLineList& other) const {
    return lines_ == other.lines_;
}

}  // namespace lottery
