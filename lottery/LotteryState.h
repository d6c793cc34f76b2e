#pragma once

#include "lottery/CheckRows.h"
#include "lottery/DrawCalendar.h"
#include "lottery/FirstUseRead.h"
#include "lottery/THistoryList.h"
#include "lottery/TLineList.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lottery {

struct TicketCounts {
    int tickets = 0;
    int boards = 0;
    int expired = 0;
};

// The program's lottery data for one run: the tickets, the results history,
// the two data files and the latest draw, fixed when the run starts. The main
// window owns the one instance and hands it to the pages and dialogs; tests
// make their own.
class LotteryState {
public:
    using Clock = std::function<DayNumber()>;

    LotteryState(std::string ticketFilePath, std::string historyFilePath, Clock today);

    DayNumber Today() const { return today_(); }
    int LatestDrawNumber() const { return latestDrawNumber_; }
    const std::string& TicketFilePath() const { return ticketFilePath_; }
    const std::string& HistoryFilePath() const { return historyFilePath_; }

    // Tickets.
    const TLineList& TicketList() const { return Tickets(); }
    void LoadTickets();
    // Start-up's load: the file's tickets are counted now and read at their
    // first use. Reading them all cost start-up more than anything else it
    // does with them, and the main page needs only their counts. A file that
    // was there to count and cannot be opened at the first use throws
    // LotteryError then.
    void LoadTicketsOnFirstUse();
    void SaveTickets() const;
    void FreeTickets();
    const TLine& AddTicket(const TLine::BoardArray& boards, const std::string& description,
                     DayNumber startDate, int16_t weeks, int16_t drawDays);
    void ReplaceTicket(const TLine& ticket, const TLine::BoardArray& boards,
                       const std::string& description, DayNumber startDate, int16_t weeks,
                       int16_t drawDays);
    void DeleteTicket(const TLine& ticket);
    int TicketCount() const { return Tickets().Count(); }
    std::vector<TicketRow> FillTicketRows() const { return Tickets().TicketRows(); }
    void FillTicketRows(std::vector<TicketRow>& rows) const { Tickets().FillTicketRows(rows); }
    TicketCounts CountTickets() const;
    bool TicketExpired(const TLine& ticket) const;

    // Results history. Entry references held elsewhere are invalid after
    // LoadHistory and ClearHistory.
    const THistoryList& DrawHistory() const { return History(); }
    // A missing or unreadable file gives an empty history; either way every
    // draw up to LatestDrawNumber then has an entry.
    void LoadHistory();
    // Start-up's load: the main page shows nothing of the history, so it is
    // read at its first use. A file that was there at start-up and cannot be
    // opened by then throws LotteryError, as for the tickets.
    void LoadHistoryOnFirstUse();
    void SaveHistory() const;
    // Writes an imported history over the history file, then reads it back,
    // so that the history in memory is what the file now holds. A failed
    // write leaves both as they were.
    void ImportHistory(const THistoryList& imported);
    void ClearHistory();
    // At close, after the last save: gives back the history's memory too.
    void FreeHistory();
    void FillMissingDraws();
    // Throws LotteryError when the history is full.
    THistoryLine& AddDrawResult(const THistoryLine::Numbers& numbers, DayNumber drawDate);
    void SetDrawResult(const THistoryLine& entry, const THistoryLine::Numbers& numbers,
                       DayNumber drawDate);
    int CountUnrecordedDraws() const { return History().CountUnrecordedDraws(); }
    // A tab and the number as "%.2d" for each of the seven numbers of the
    // draw's first entry, or empty text when the history has no such entry.
    std::string DrawNumbersText(int drawNumber) const;
    std::vector<HistoryRow> FillHistoryRows() const { return History().HistoryRows(); }

    // Checking.
    std::vector<CheckRow> FillCheckRows(const THistoryLine& draw, bool validOnly) const {
        return lottery::FillCheckRows(Tickets(), draw, validOnly);
    }

private:
    const TLineList& Tickets() const;
    TLineList& EditableTickets();
    void ReadTicketFile() const;
    const THistoryList& History() const;
    THistoryList& EditableHistory();
    void ReadHistoryFile() const;
    void WriteHistoryFile(const THistoryList& history) const;
    TLine& Editable(const TLine& ticket);
    TicketCounts CountTicketsOn(DayNumber today) const;
    THistoryLine& Editable(const THistoryLine& entry);

    std::string ticketFilePath_;
    std::string historyFilePath_;
    Clock today_;
    int latestDrawNumber_;
    // Read on first use after LoadTicketsOnFirstUse.
    mutable TLineList ticketList_;
    mutable FirstUseRead ticketRead_;
    // Every change of page shows the counts again; with tens of thousands of
    // tickets they are counted anew only once the tickets or the day change.
    struct CountsOfDay {
        DayNumber today;
        TicketCounts counts;
    };
    mutable std::optional<CountsOfDay> ticketCounts_;
    // Read on first use after LoadHistoryOnFirstUse.
    mutable THistoryList drawHistory_;
    mutable FirstUseRead historyRead_;
};

}  // namespace lottery
