#pragma once

#include "lottery/CheckRows.h"
#include "lottery/DrawCalendar.h"
#include "lottery/THistoryList.h"
#include "lottery/TLineList.h"

#include <functional>
#include <string>
#include <string_view>
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
    // Puts the bytes in place of the file at the path, whole or not at all;
    // throws LotteryError "Cannot create file <path>" when it cannot.
    using FileWriter = std::function<void(const std::string& path, std::string_view bytes)>;

    LotteryState(std::string ticketFilePath, std::string historyFilePath, Clock today, FileWriter writeFile);

    DayNumber Today() const { return today_(); }
    int LatestDrawNumber() const { return latestDrawNumber_; }
    const std::string& TicketFilePath() const { return ticketFilePath_; }
    const std::string& HistoryFilePath() const { return historyFilePath_; }
    // The files as they stood before they were kept at these paths (an
    // installed program's own folder): each is read from its former path
    // while nothing stands at its own path yet. Empty: no former file.
    void ReadUnsavedFilesFrom(std::string formerTicketFilePath, std::string formerHistoryFilePath);
    // Both files, as the program starts: the tickets, then the history.
    void LoadFiles();

    // Tickets.
    const TLineList& TicketList() const { return ticketList_; }
    // A missing or unreadable file gives an empty list.
    void LoadTickets();
    // Throws LotteryError when the file cannot be written, or when it was
    // there but could not be read at the last load: its tickets are unknown,
    // and an empty list written in their place would lose them.
    void SaveTickets();
    // Whether tickets were added, changed or deleted since they were last
    // loaded or saved: what a reload would throw away.
    bool TicketsChanged() const { return ticketsChanged_; }
    void FreeTickets();
    const TLine& AddTicket(const TLine::BoardArray& boards, const std::string& description,
                     DayNumber startDate, int16_t weeks, int16_t drawDays);
    void ReplaceTicket(const TLine& ticket, const TLine::BoardArray& boards,
                       const std::string& description, DayNumber startDate, int16_t weeks,
                       int16_t drawDays);
    void DeleteTicket(const TLine& ticket);
    int TicketCount() const { return ticketList_.Count(); }
    std::vector<TicketRow> FillTicketRows() const { return ticketList_.TicketRows(); }
    void FillTicketRows(std::vector<TicketRow>& rows) const { ticketList_.FillTicketRows(rows); }
    TicketCounts CountTickets() const;
    bool TicketExpired(const TLine& ticket) const;

    // Results history. Entry references held elsewhere are invalid after
    // LoadHistory and ClearHistory.
    const THistoryList& DrawHistory() const { return drawHistory_; }
    // A missing or unreadable file gives an empty history; either way every
    // draw up to LatestDrawNumber then has an entry.
    void LoadHistory();
    // Refused as SaveTickets is.
    void SaveHistory() const;
    // Writes an imported history over the history file, then reads it back,
    // so that the history in memory is what the file now holds. A failed
    // or refused write leaves both as they were.
    void ImportHistory(const THistoryList& imported);
    void ClearHistory();
    // At close, after the last save: gives back the history's memory too.
    void FreeHistory();
    void FillMissingDraws();
    // Throws LotteryError when the history is full.
    THistoryLine& AddDrawResult(const THistoryLine::Numbers& numbers, DayNumber drawDate);
    void SetDrawResult(const THistoryLine& entry, const THistoryLine::Numbers& numbers,
                       DayNumber drawDate);
    int CountUnrecordedDraws() const { return drawHistory_.CountUnrecordedDraws(); }
    // A tab and the number as "%.2d" for each of the seven numbers of the
    // draw's first entry, or empty text when the history has no such entry.
    std::string DrawNumbersText(int drawNumber) const;
    std::vector<HistoryRow> FillHistoryRows() const { return drawHistory_.HistoryRows(); }

    // Checking.
    std::vector<CheckRow> FillCheckRows(const THistoryLine& draw, bool validOnly) const {
        return lottery::FillCheckRows(ticketList_, draw, validOnly);
    }

private:
    static const std::string& ReadPath(const std::string& path, const std::string& formerPath);
    void WriteDataFile(const std::string& path, const std::string& formerPath, bool unreadableAtLoad,
                       const std::string& bytes) const;
    void WriteHistoryFile(const THistoryList& history) const;
    TLine& Editable(const TLine& ticket);
    THistoryLine& Editable(const THistoryLine& entry);

    std::string ticketFilePath_;
    std::string historyFilePath_;
    std::string formerTicketFilePath_;
    std::string formerHistoryFilePath_;
    Clock today_;
    FileWriter writeFile_;
    int latestDrawNumber_;
    TLineList ticketList_;
    bool ticketFileUnreadable_ = false;
    bool ticketsChanged_ = false;
    THistoryList drawHistory_;
    bool historyFileUnreadable_ = false;
};

}  // namespace lottery
