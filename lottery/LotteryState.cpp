#include "lottery/LotteryState.h"

#include "lottery/LotteryError.h"
#include "lottery/RegularFile.h"

#include <filesystem>
#include <system_error>

namespace lottery {

LotteryState::LotteryState(std::string ticketFilePath, std::string historyFilePath, Clock today,
                           FileWriter writeFile)
    : ticketFilePath_(std::move(ticketFilePath)),
      historyFilePath_(std::move(historyFilePath)),
      today_(std::move(today)),
      writeFile_(std::move(writeFile)),
      latestDrawNumber_(LatestDrawOnOrBefore(today_())) {}

namespace {

bool SomethingAt(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

// Replaces the list by the one the data file at the path holds: after the
// format word, which is not checked, the list as it reads itself. Returns
// whether something was there that could not be read, which leaves the
// list empty.
template <typename List>
bool ReadDataFile(const std::string& path, List& list) {
    RegularFile file = OpenRegularFile(path);
    ByteReader reader(file.stream, file.size);
    reader.ReadUInt16();
    list.ReadFrom(reader);
    if (file.found != FileFound::Unreadable && !file.stream.bad()) return false;
    list = List();
    return true;
}

}  // namespace

void LotteryState::ReadUnsavedFilesFrom(std::string formerTicketFilePath, std::string formerHistoryFilePath) {
    formerTicketFilePath_ = std::move(formerTicketFilePath);
    formerHistoryFilePath_ = std::move(formerHistoryFilePath);
}

const std::string& LotteryState::ReadPath(const std::string& path, const std::string& formerPath) {
    return formerPath.empty() || SomethingAt(path) ? path : formerPath;
}

void LotteryState::LoadFiles() {
    LoadTickets();
    LoadHistory();
}

void LotteryState::LoadTickets() {
    ticketFileUnreadable_ = ReadDataFile(ReadPath(ticketFilePath_, formerTicketFilePath_), ticketList_);
    ticketsChanged_ = false;
}

void LotteryState::SaveTickets() {
    ByteWriter writer;
    writer.WriteUInt16(1);
    ticketList_.WriteTo(writer);
    WriteDataFile(ticketFilePath_, formerTicketFilePath_, ticketFileUnreadable_, writer.Bytes());
    ticketsChanged_ = false;
}

// A file that could not be read at the last load and is still there keeps
// what it holds, which the list in memory lacks. Once it is gone, nothing
// is lost by writing the list. The file read may be the former one, which
// a file written at the path would hide from then on.
void LotteryState::WriteDataFile(const std::string& path, const std::string& formerPath, bool unreadableAtLoad,
                                 const std::string& bytes) const {
    if (unreadableAtLoad && SomethingAt(ReadPath(path, formerPath))) throw LotteryError("Cannot create file " + path);
    writeFile_(path, bytes);
}

void LotteryState::FreeTickets() {
    ticketList_ = TLineList();
}

const TLine& LotteryState::AddTicket(const TLine::BoardArray& boards, const std::string& description,
                                     DayNumber startDate, int16_t weeks, int16_t drawDays) {
    ticketsChanged_ = true;
    return ticketList_.AddTicket(boards, description, startDate, weeks, drawDays);
}

void LotteryState::ReplaceTicket(const TLine& ticket, const TLine::BoardArray& boards,
                                 const std::string& description, DayNumber startDate,
                                 int16_t weeks, int16_t drawDays) {
    ticketsChanged_ = true;
    Editable(ticket).SetTicket(boards, description, startDate, weeks, drawDays);
}

void LotteryState::DeleteTicket(const TLine& ticket) {
    ticketsChanged_ = true;
    ticketList_.DeleteTicket(ticket);
}

TicketCounts LotteryState::CountTickets() const {
    const DayNumber today = Today();
    TicketCounts counts;
    for (int i = 0; i < ticketList_.Count(); ++i) {
        const TLine& ticket = ticketList_.At(i);
        ++counts.tickets;
        counts.boards += ticket.CountBoards();
        if (lottery::TicketExpired(ticket, today)) ++counts.expired;
    }
    return counts;
}

bool LotteryState::TicketExpired(const TLine& ticket) const {
    return lottery::TicketExpired(ticket, Today());
}

void LotteryState::LoadHistory() {
    historyFileUnreadable_ = ReadDataFile(ReadPath(historyFilePath_, formerHistoryFilePath_), drawHistory_);
    drawHistory_.FillMissingDraws(latestDrawNumber_);
}

void LotteryState::SaveHistory() const {
    WriteHistoryFile(drawHistory_);
}

void LotteryState::ImportHistory(const THistoryList& imported) {
    WriteHistoryFile(imported);
    LoadHistory();
}

void LotteryState::WriteHistoryFile(const THistoryList& history) const {
    ByteWriter writer;
    writer.WriteUInt16(1);
    history.WriteTo(writer);
    WriteDataFile(historyFilePath_, formerHistoryFilePath_, historyFileUnreadable_, writer.Bytes());
}

void LotteryState::ClearHistory() {
    drawHistory_.Clear();
}

void LotteryState::FreeHistory() {
    drawHistory_ = THistoryList();
}

void LotteryState::FillMissingDraws() {
    drawHistory_.FillMissingDraws(latestDrawNumber_);
}

THistoryLine& LotteryState::AddDrawResult(const THistoryLine::Numbers& numbers, DayNumber drawDate) {
    return drawHistory_.Add(numbers, drawDate);
}

void LotteryState::SetDrawResult(const THistoryLine& entry, const THistoryLine::Numbers& numbers,
                                 DayNumber drawDate) {
    Editable(entry).SetResult(numbers, drawDate);
}

std::string LotteryState::DrawNumbersText(int drawNumber) const {
    const THistoryLine* entry = drawHistory_.FindDrawOn(DrawDateOf(drawNumber));
    if (!entry) return {};
    std::string text;
    for (int index = 1; index <= THistoryLine::kNumberCount; ++index) text.append("\t").append(entry->NumberText(index));
    return text;
}

// Screens hold tickets by const reference; the list owns them, so it can
// hand back the editable ticket it holds.
TLine& LotteryState::Editable(const TLine& ticket) {
    for (int i = 0; i < ticketList_.Count(); ++i)
        if (&ticketList_.At(i) == &ticket) return ticketList_.At(i);
    throw LotteryError("The ticket is no longer in the list.");
}

THistoryLine& LotteryState::Editable(const THistoryLine& entry) {
    for (int i = 0; i < drawHistory_.Count(); ++i)
        if (&drawHistory_.At(i) == &entry) return drawHistory_.At(i);
    throw LotteryError("The draw result is no longer in the history.");
}

}  // namespace lottery
