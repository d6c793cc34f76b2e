#pragma once

#include "lottery/DrawCalendar.h"
#include "lottery/TLineList.h"

#include <functional>
#include <string>
#include <vector>

namespace lottery {

struct TicketCounts {
    int tickets = 0;
    int boards = 0;
    int expired = 0;
};

// The program's lottery data for one run: the tickets, the two data files and
// the latest draw, fixed when the run starts. The main window owns the one
// instance and hands it to the pages and dialogs; tests make their own.
class LotteryState {
public:
    using Clock = std::function<DayNumber()>;

    LotteryState(std::string ticketFilePath, std::string historyFilePath, Clock today);

    DayNumber Today() const { return today_(); }
    int LatestDrawNumber() const { return latestDrawNumber_; }
    const std::string& TicketFilePath() const { return ticketFilePath_; }
    const std::string& HistoryFilePath() const { return historyFilePath_; }

    // Tickets.
    const TLineList& TicketList() const { return ticketList_; }
    void LoadTickets();
    void SaveTickets() const;
    void FreeTickets();
    TLine& AddTicket(const TLine::BoardArray& boards, const std::string& description,
                     DayNumber startDate, int16_t weeks, int16_t drawDays);
    void ReplaceTicket(const TLine& ticket, const TLine::BoardArray& boards,
                       const std::string& description, DayNumber startDate, int16_t weeks,
                       int16_t drawDays);
    void DeleteTicket(const TLine& ticket);
    int TicketCount() const { return ticketList_.Count(); }
    std::vector<TicketRow> FillTicketRows() const { return ticketList_.TicketRows(); }
    TicketCounts CountTickets() const;
    bool TicketExpired(const TLine& ticket) const;

private:
    TLine& Editable(const TLine& ticket);

    std::string ticketFilePath_;
    std::string historyFilePath_;
    Clock today_;
    int latestDrawNumber_;
    TLineList ticketList_;
};

}  // namespace lottery
