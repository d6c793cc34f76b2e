#include "lottery/LotteryState.h"

#include "lottery/FileByteReader.h"
#include "lottery/LotteryError.h"
#include "lottery/WholeFile.h"

#include <fstream>

namespace lottery {

LotteryState::LotteryState(std::string ticketFilePath, std::string historyFilePath, Clock today)
    : ticketFilePath_(std::move(ticketFilePath)),
      historyFilePath_(std::move(historyFilePath)),
      today_(std::move(today)),
      latestDrawNumber_(LatestDrawOnOrBefore(today_())) {}

namespace {

void Count(int boardsInUse, bool expired, TicketCounts& counts) {
    ++counts.tickets;
    counts.boards += boardsInUse;
    if (expired) ++counts.expired;
}

}  // namespace

void LotteryState::LoadTickets() {
    ticketRead_.Drop();
    ReadTicketFile();
}

void LotteryState::ReadTicketFile() const {
    FileByteReader reader(ticketFilePath_);
    ticketRead_.Reading(reader.Opened(), ticketFilePath_);
    reader.ReadUInt16();  // the format word is not checked
    ticketCounts_.reset();
    ticketList_.ReadFrom(reader);
}

// Each record is read as loading reads it, keeping only what the counts
// need, so the counts are those of the list its first use reads.
void LotteryState::LoadTicketsOnFirstUse() {
    FileByteReader reader(ticketFilePath_);
    reader.ReadUInt16();  // the format word is not checked
    const DayNumber today = Today();
    TicketCounts counts;
    const int count = reader.ReadInt16();
    for (int i = 0; i < count; ++i) {
        const TLine::Terms terms = TLine::ReadTerms(reader);
        if (reader.Exhausted()) break;
        Count(terms.boardsInUse, lottery::TicketExpired(terms.drawDays, terms.weeks, terms.startDate, today), counts);
    }
    ticketList_ = TLineList();
    ticketRead_.PutOff(reader.Opened());
    ticketCounts_ = CountsOfDay{today, counts};
}

// A file changed since its tickets were counted gives the counts of what is
// read.
const TLineList& LotteryState::Tickets() const {
    if (ticketRead_.Pending()) ReadTicketFile();
    return ticketList_;
}

TLineList& LotteryState::EditableTickets() {
    Tickets();
    return ticketList_;
}

void LotteryState::SaveTickets() const {
    ByteWriter writer;
    writer.WriteUInt16(1);
    Tickets().WriteTo(writer);
    WriteWholeFile(ticketFilePath_, writer.Bytes());
}

void LotteryState::FreeTickets() {
    ticketCounts_.reset();
    ticketRead_.Drop();
    ticketList_ = TLineList();
}

const TLine& LotteryState::AddTicket(const TLine::BoardArray& boards, const std::string& description,
                               DayNumber startDate, int16_t weeks, int16_t drawDays) {
    ticketCounts_.reset();
    return EditableTickets().AddTicket(boards, description, startDate, weeks, drawDays);
}

void LotteryState::ReplaceTicket(const TLine& ticket, const TLine::BoardArray& boards,
                                 const std::string& description, DayNumber startDate,
                                 int16_t weeks, int16_t drawDays) {
    ticketCounts_.reset();
    Editable(ticket).SetTicket(boards, description, startDate, weeks, drawDays);
}

void LotteryState::DeleteTicket(const TLine& ticket) {
    ticketCounts_.reset();
    EditableTickets().DeleteTicket(ticket);
}

TicketCounts LotteryState::CountTickets() const {
    const DayNumber today = Today();
    if (!ticketCounts_ || ticketCounts_->today != today) ticketCounts_ = CountsOfDay{today, CountTicketsOn(today)};
    return ticketCounts_->counts;
}

TicketCounts LotteryState::CountTicketsOn(DayNumber today) const {
    TicketCounts counts;
    const TLineList& tickets = Tickets();
    for (int i = 0; i < tickets.Count(); ++i) {
        const TLine& ticket = tickets.At(i);
        Count(ticket.CountBoards(), lottery::TicketExpired(ticket, today), counts);
    }
    return counts;
}

bool LotteryState::TicketExpired(const TLine& ticket) const {
    return lottery::TicketExpired(ticket, Today());
}

void LotteryState::LoadHistory() {
    historyRead_.Drop();
    ReadHistoryFile();
}

void LotteryState::LoadHistoryOnFirstUse() {
    drawHistory_ = THistoryList();
    historyRead_.PutOff(std::ifstream(historyFilePath_, std::ios::binary).is_open());
}

const THistoryList& LotteryState::History() const {
    if (historyRead_.Pending()) ReadHistoryFile();
    return drawHistory_;
}

THistoryList& LotteryState::EditableHistory() {
    History();
    return drawHistory_;
}

// Unlike the tickets, the history's records need no parsing, so they are
// read from the file straight into the entries.
void LotteryState::ReadHistoryFile() const {
    std::ifstream in(historyFilePath_, std::ios::binary);
    historyRead_.Reading(in.is_open(), historyFilePath_);
    in.ignore(sizeof(uint16_t));  // the format word is not checked
    drawHistory_.ReadFrom(in);
    drawHistory_.FillMissingDraws(latestDrawNumber_);
}

void LotteryState::SaveHistory() const {
    WriteHistoryFile(History());
}

void LotteryState::ImportHistory(const THistoryList& imported) {
    WriteHistoryFile(imported);
    LoadHistory();
}

void LotteryState::WriteHistoryFile(const THistoryList& history) const {
    ByteWriter writer;
    writer.WriteUInt16(1);
    history.WriteTo(writer);
    WriteWholeFile(historyFilePath_, writer.Bytes());
}

void LotteryState::ClearHistory() {
    historyRead_.Drop();
    drawHistory_.Clear();
}

void LotteryState::FreeHistory() {
    historyRead_.Drop();
    drawHistory_ = THistoryList();
}

void LotteryState::FillMissingDraws() {
    EditableHistory().FillMissingDraws(latestDrawNumber_);
}

THistoryLine& LotteryState::AddDrawResult(const THistoryLine::Numbers& numbers, DayNumber drawDate) {
    return EditableHistory().Add(numbers, drawDate);
}

void LotteryState::SetDrawResult(const THistoryLine& entry, const THistoryLine::Numbers& numbers,
                                 DayNumber drawDate) {
    Editable(entry).SetResult(numbers, drawDate);
}

std::string LotteryState::DrawNumbersText(int drawNumber) const {
    const THistoryLine* entry = History().FindDrawOn(DrawDateOf(drawNumber));
    if (!entry) return {};
    std::string text;
    for (int index = 1; index <= THistoryLine::kNumberCount; ++index) text += "\t" + entry->NumberText(index);
    return text;
}

// Screens hold tickets by const reference; the list owns them, so it can
// hand back the editable ticket it holds.
TLine& LotteryState::Editable(const TLine& ticket) {
    TLineList& tickets = EditableTickets();
    for (int i = 0; i < tickets.Count(); ++i)
        if (&tickets.At(i) == &ticket) return tickets.At(i);
    throw LotteryError("The ticket is no longer in the list.");
}

THistoryLine& LotteryState::Editable(const THistoryLine& entry) {
    THistoryList& history = EditableHistory();
    for (int i = 0; i < history.Count(); ++i)
        if (&history.At(i) == &entry) return history.At(i);
    throw LotteryError("The draw result is no longer in the history.");
}

}  // namespace lottery
