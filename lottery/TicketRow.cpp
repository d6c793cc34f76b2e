#include "lottery/TicketRow.h"

#include "lottery/TLine.h"

namespace lottery {

static_assert(sizeof(TicketRow) == sizeof(uint32_t));

std::string TicketRow::Key() const {
    return TicketRowKey(TicketNumber(), Board());
}

std::string TicketRowKey(int ticketNumber, int board) {
    return TwoDigitText(ticketNumber) + "-" + static_cast<char>('A' + board - 1);
}

}  // namespace lottery
