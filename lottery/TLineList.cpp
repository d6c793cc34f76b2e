#include "lottery/TLineList.h"

#include "lottery/LotteryError.h"

#include <algorithm>

namespace lottery {
namespace {

// The smallest ticket record: no boards beyond the 120 bytes, an empty
// counted text, the date, the weeks and the draw days.
constexpr std::size_t kSmallestRecord = 120 + 2 + 8 + 2 + 2;

}  // namespace

TLineList TLineList::ReadFrom(ByteReader& reader) {
    TLineList list;
    const int count = reader.ReadInt16();
    if (count <= 0) return list;
    list.lines_.reserve(std::min<std::size_t>(count, reader.Remaining() / kSmallestRecord));
    for (int i = 0; i < count; ++i) {
        TLine line = TLine::ReadFrom(reader);
        if (reader.Exhausted()) break;
        list.lines_.push_back(std::make_unique<TLine>(std::move(line)));
    }
    return list;
}

void TLineList::WriteTo(ByteWriter& writer) const {
    writer.WriteInt16(static_cast<int16_t>(lines_.size()));
    for (const auto& line : lines_) line->WriteTo(writer);
}

TLine& TLineList::AddTicket(const TLine::BoardArray& boards, const std::string& description,
                            DayNumber startDate, int16_t weeks, int16_t drawDays) {
    if (Count() >= kMaxTickets)
        throw LotteryError("Cannot add the ticket: Tallimo can keep at most 32767 tickets.\r\n\r\n"
                           "Delete tickets you no longer need, then add it again.");
    auto line = std::make_unique<TLine>();
    line->SetTicket(boards, description, startDate, weeks, drawDays);
    lines_.push_back(std::move(line));
    return *lines_.back();
}

void TLineList::DeleteTicket(const TLine& ticket) {
    std::erase_if(lines_, [&ticket](const auto& line) { return line.get() == &ticket; });
}

int TLineList::CountAllBoards() const {
    int count = 0;
    for (const auto& line : lines_) count += line->CountBoards();
    return count;
}

std::vector<TicketRow> TLineList::TicketRows() const {
    // One row per used board: counting them first keeps the largest list
    // from holding up to twice the room it needs.
    std::vector<TicketRow> rows;
    rows.reserve(static_cast<std::size_t>(CountAllBoards()));
    for (int index = 0; index < Count(); ++index)
        for (int board = 1; board <= TLine::kBoardCount; ++board)
            if (lines_[index]->BoardInUse(board)) rows.push_back({lines_[index].get(), index + 1, board});
    return rows;
}

bool TLineList::operator==(const TLineList& other) const {
    return std::equal(lines_.begin(), lines_.end(), other.lines_.begin(), other.lines_.end(),
                      [](const auto& a, const auto& b) { return *a == *b; });
}

}  // namespace lottery
