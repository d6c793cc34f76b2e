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

void LotteryState::LoadTickets() {
    FileByteReader reader(ticketFilePath_);
    reader.ReadUInt16();  // the format word is not checked
    ticketCounts_.reset();
    ticketList_.ReadFrom(reader);
}

void LotteryState::SaveTickets() const {
    ByteWriter writer;
    writer.WriteUInt16(1);
    ticketList_.WriteTo(writer);
    WriteWholeFile(ticketFilePath_, writer.Bytes());
}

void LotteryState::FreeTickets() {
    ticketCounts_.reset();
    ticketList_ = TLineList();
}

const TLine& LotteryState::AddTicket(const TLine::BoardArray& boards, const std::string& description,
                               DayNumber startDate, int16_t weeks, int16_t drawDays) {
    ticketCounts_.reset();
    return ticketList_.AddTicket(boards, description, startDate, weeks, drawDays);
}

void LotteryState::ReplaceTicket(const TLine& ticket, const TLine::BoardArray& boards,
                                 const std::string& description, DayNumber startDate,
                                 int16_t weeks, int16_t drawDays) {
    ticketCounts_.reset();
    Editable(ticket).SetTicket(boards, description, startDate, weeks, drawDays);
}

void LotteryState::DeleteTicket(const TLine& ticket) {
    ticketCounts_.reset();
    ticketList_.DeleteTicket(ticket);
}

TicketCounts LotteryState::CountTickets() const {
    const DayNumber today = Today();
    if (!ticketCounts_ || ticketCounts_->today != today) ticketCounts_ = CountsOfDay{today, CountTicketsOn(today)};
    return ticketCounts_->counts;
}

TicketCounts LotteryState::CountTicketsOn(DayNumber today) const {
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

// Unlike the tickets, the history's records need no parsing, so they are
// read from the file straight into the entries.
void LotteryState::LoadHistory() {
    std::ifstream in(historyFilePath_, std::ios::binary);
    in.ignore(sizeof(uint16_t));  // the format word is not checked
    drawHistory_.ReadFrom(in);
    FillMissingDraws();
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
    WriteWholeFile(historyFilePath_, writer.Bytes());
}

void LotteryState::ClearHistory() {
    drawHistory_.Clear();
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
    for (int index = 1; index <= THistoryLine::kNumberCount; ++index) text += "\t" + entry->NumberText(index);
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
