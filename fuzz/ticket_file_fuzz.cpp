// Any bytes as a ticket file: loading must not crash or hang, what loads must
// survive the screens' reads, and saving it then loading again must give the
// same tickets.
#include "fuzz/FuzzChecks.h"
#include "lottery/DrawCalendar.h"
#include "lottery/TLineList.h"

using lottery::TLine;
using lottery::TLineList;

namespace {

constexpr int kLatestDraw = 3230;

void ReadLikeTheScreens(const TLineList& tickets) {
    const lottery::DayNumber today = lottery::DrawDateOf(kLatestDraw);
    int boards = 0;
    for (const lottery::TicketRow& row : tickets.TicketRows()) {
        const TLine& ticket = tickets.TicketOf(row);
        fuzz::Require(ticket.BoardInUse(row.Board()), "a row names a used board");
        (void)row.Key();
        (void)ticket.NumberText(row.Board(), 6);
        (void)lottery::DrawDaysText(ticket.DrawDays());
        (void)lottery::TicketExpired(ticket, today);
        (void)lottery::TicketValidForDraw(ticket, kLatestDraw);
        ++boards;
    }
    fuzz::Require(boards == tickets.CountAllBoards(), "one row per used board");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TLineList first = fuzz::LoadedTickets(fuzz::BytesOf(data, size));
    ReadLikeTheScreens(first);
    const std::string saved = fuzz::Saved(first);
    const TLineList second = fuzz::LoadedTickets(saved);
    fuzz::Require(second == first, "a saved ticket list loads back as it was");
    fuzz::Require(fuzz::Saved(second) == saved, "saving a reloaded list writes the same bytes");
    return 0;
}
