#pragma once

// The fuzzers' one way into the program's data files: bytes are written to
// files of their own and loaded by the program's own state, the way start-up
// and the "/WARN" mode load them, and a list's file bytes are what a save
// writes. Kept in one place so that the loads and saves can follow the
// program's when they change.
#include "lottery/LotteryState.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

class ProgramFiles {
public:
    // The program's state as on a day whose latest draw is latestDrawNumber.
    explicit ProgramFiles(int latestDrawNumber);
    ~ProgramFiles();
    ProgramFiles(const ProgramFiles&) = delete;
    ProgramFiles& operator=(const ProgramFiles&) = delete;

    // The list the program holds after loading a file of these bytes; good
    // until the next load.
    const lottery::TLineList& LoadTickets(std::string_view fileBytes);
    const lottery::THistoryList& LoadHistory(std::string_view fileBytes);

    // The bytes a save writes for the list.
    static std::string TicketFileBytes(const lottery::TLineList& tickets);
    static std::string HistoryFileBytes(const lottery::THistoryList& history);

private:
    std::filesystem::path directory_;
    lottery::LotteryState state_;
};

}  // namespace fuzz
