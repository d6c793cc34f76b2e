#pragma once

#include <cstdint>
#include <string>

namespace lottery {

// One used board of one ticket, as the ticket lists show it. The largest
// lists hold hundreds of thousands of rows, so a row is a single 32-bit word
// naming the ticket by its place in the list; the high bits are left free
// for the result sheet's prize tier.
class TicketRow {
public:
    TicketRow(int ticketIndex, int board)
        : packed_(static_cast<uint32_t>(ticketIndex) << kTicketShift | static_cast<uint32_t>(board)) {}

    int TicketIndex() const { return static_cast<int>(packed_ >> kTicketShift & kTicketMask); }
    int TicketNumber() const { return TicketIndex() + 1; }  // 1-based, as the lists show it
    int Board() const { return static_cast<int>(packed_ & kBoardMask); }  // 1..10
    std::string Key() const;

protected:
    static constexpr int kTicketShift = 4;
    static constexpr int kTicketBits = 15;  // the file's ticket count is a signed 16-bit number
    static constexpr int kFreeShift = kTicketShift + kTicketBits;
    static constexpr uint32_t kBoardMask = (1u << kTicketShift) - 1;
    static constexpr uint32_t kTicketMask = (1u << kTicketBits) - 1;

    uint32_t packed_;
};

// The list-row key of one board: "%.2d-" of the ticket number and the board
// letter, for example 01-A or 100-C.
std::string TicketRowKey(int ticketNumber, int board);

}  // namespace lottery
