#pragma once

#include "lottery/ByteStream.h"
#include "lottery/CivilDate.h"
#include "lottery/TicketText.h"

#include <array>
#include <cstdint>
#include <string>

namespace lottery {

// One ticket: up to ten boards of six numbers, entered for a run of draws.
class TLine {
public:
    static constexpr int kBoardCount = 10;
    static constexpr int kNumbersPerBoard = 6;
    static constexpr std::size_t kMaxDescriptionLength = TicketText::kMaxLength;
    static constexpr int16_t kUnlimitedWeeks = 9;

    using Board = std::array<int16_t, kNumbersPerBoard>;
    using BoardArray = std::array<Board, kBoardCount>;

    TLine() : boards_{} {}
    // One ticket record at the reader's position, fields in file order.
    // Every field is read, so none is cleared first: a large file loads that
    // much quicker.
    explicit TLine(ByteReader& reader);
    void WriteTo(ByteWriter& writer) const;

    void SetTicket(const BoardArray& boards, std::string_view description, DayNumber startDate,
                   int16_t weeks, int16_t drawDays);
    // Keeps at most the first 255 bytes: longer text cannot be stored.
    void SetDescription(std::string_view description) { description_.Assign(description); }

    const BoardArray& Boards() const { return boards_; }
    // board 1..10, position 1..6
    int16_t Number(int board, int position) const { return boards_[board - 1][position - 1]; }
    std::string NumberText(int board, int position) const;
    std::string_view Description() const { return description_.View(); }
    double StartDate() const { return startDate_; }
    int16_t Weeks() const { return weeks_; }
    int16_t DrawDays() const { return drawDays_; }

    bool BoardInUse(int board) const { return InUse(boards_[board - 1]); }
    int CountBoards() const;

    bool operator==(const TLine& other) const;

private:
    static bool InUse(const Board& board) { return board[0] > 0; }

    BoardArray boards_;  // always written whole, by the constructors or a read
    TicketText description_;
    double startDate_ = 0;
    int16_t weeks_ = 0;
    int16_t drawDays_ = 0;
};

// "Both", "Wednesday", "Saturday", or "<Error>" for any other value.
std::string DrawDaysText(int drawDays);

// Two digits at least: 7 gives "07", 100 gives "100".
std::string TwoDigitText(int number);

}  // namespace lottery
