// Any bytes as a ticket file, loaded from a file as start-up and the "/WARN"
// mode load it: the program must keep exactly the whole records a plain
// reader finds, field by field; what the screens read must not crash; and a
// save must write exactly those tickets and load back the same.
#include "fuzz/FuzzChecks.h"
#include "fuzz/ProgramFiles.h"
#include "lottery/DrawCalendar.h"

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
    static fuzz::ProgramFiles files(kLatestDraw);
    const std::vector<plain::Ticket> expected = plain::ReadTicketFile(fuzz::BytesOf(data, size));

    const TLineList& loaded = files.LoadTickets(fuzz::BytesOf(data, size));
    fuzz::RequireRecords(expected, fuzz::PlainTickets(loaded), 0, true,
                         "the load keeps exactly the file's whole records");
    ReadLikeTheScreens(loaded);

    const std::string saved = files.SaveTickets();
    fuzz::Require(saved == plain::WriteTicketFile(expected), "a save writes the loaded tickets in their layout");
    fuzz::RequireRecords(expected, fuzz::PlainTickets(files.LoadTickets(saved)), 0, true,
                         "a saved ticket list loads back as it was");
    return 0;
}
