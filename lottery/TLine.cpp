#include "lottery/TLine.h"

#include <cstring>

namespace lottery {

static_assert(sizeof(TLine::BoardArray) == TLine::kBoardCount * TLine::kNumbersPerBoard * sizeof(int16_t),
              "the boards are read and written as one block of numbers");

TLine::TLine(ByteReader& reader) {
    reader.ReadInt16s(boards_.front().data(), kBoardCount * kNumbersPerBoard);
    description_.Assign(reader.ReadCountedText());
    startDate_ = reader.ReadDouble();
    weeks_ = reader.ReadInt16();
    drawDays_ = reader.ReadInt16();
}

void TLine::WriteTo(ByteWriter& writer) const {
    writer.WriteBytes({reinterpret_cast<const char*>(boards_.data()), sizeof boards_});
    writer.WriteCountedText(description_.View());
    writer.WriteDouble(startDate_);
    writer.WriteInt16(weeks_);
    writer.WriteInt16(drawDays_);
}

void TLine::SetTicket(const BoardArray& boards, std::string_view description, DayNumber startDate,
                      int16_t weeks, int16_t drawDays) {
    boards_ = boards;
    SetDescription(description);
    startDate_ = startDate;
    weeks_ = weeks;
    drawDays_ = drawDays;
}

std::string TLine::NumberText(int board, int position) const {
    return TwoDigitText(Number(board, position));
}

// The same test as the lists' rows, so that a damaged file's negative first
// number never counts a board that no list shows.
int TLine::CountBoards() const {
    int count = 0;
    for (const Board& board : boards_)
        if (InUse(board)) ++count;
    return count;
}

bool TLine::operator==(const TLine& other) const {
    // Dates compare by their bits so that a NaN read from a damaged file
    // still equals itself after a save and a reload.
    return boards_ == other.boards_ && description_ == other.description_ &&
           std::memcmp(&startDate_, &other.startDate_, sizeof startDate_) == 0 &&
           weeks_ == other.weeks_ && drawDays_ == other.drawDays_;
}

std::string DrawDaysText(int drawDays) {
    switch (drawDays) {
    case 0: return "Both";
    case 1: return "Wednesday";
    case 2: return "Saturday";
    default: return "<Error>";
    }
}

std::string TwoDigitText(int number) {
    std::string text = std::to_string(number < 0 ? -number : number);
    if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
    return number < 0 ? "-" + text : text;
}

}  // namespace lottery
