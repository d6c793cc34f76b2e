#include "lottery/LotteryState.h"

#include "lottery/LotteryError.h"
#include "lottery/WholeFile.h"

#include <filesystem>
#include <system_error>

namespace lottery {
namespace {

// The most a file of whole records can hold: the format word, the count and
// the largest list of the largest records. Bytes past it belong to no record.
constexpr std::size_t kLargestTicketRecord = 120 + 2 + 65535 + 8 + 2 + 2;
constexpr std::size_t kLargestTicketFile = 4 + TLineList::kMaxTickets * kLargestTicketRecord;
constexpr std::size_t kLargestHistoryFile = 4 + THistoryList::kMaxEntries * THistoryLine::kRecordSize;

}  // namespace

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

}  // namespace

void LotteryState::ReadUnsavedFilesFrom(std::string formerTicketFilePath, std::string formerHistoryFilePath) {
    formerTicketFilePath_ = std::move(formerTicketFilePath);
    formerHistoryFilePath_ = std::move(formerHistoryFilePath);
}

const std::string& LotteryState::ReadPath(const std::string& path, const std::string& formerPath) {
    return formerPath.empty() || SomethingAt(path) ? path : formerPath;
}

void LotteryState::LoadTickets() {
    const WholeFile file = ReadWholeFile(ReadPath(ticketFilePath_, formerTicketFilePath_), kLargestTicketFile);
    ticketFileUnreadable_ = file.found == WholeFile::Found::Unreadable;
    ByteReader reader(file.bytes);
    reader.ReadUInt16();  // the format word is not checked
    ticketList_.ReadFrom(reader);
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
    const WholeFile file = ReadWholeFile(ReadPath(historyFilePath_, formerHistoryFilePath_), kLargestHistoryFile);
    historyFileUnreadable_ = file.found == WholeFile::Found::Unreadable;
    ByteReader reader(file.bytes);
    reader.ReadUInt16();  // the format word is not checked
    drawHistory_.ReadFrom(reader);
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
