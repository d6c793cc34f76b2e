#pragma once

// The fuzzers' one way into the program's data files: bytes are written to
// files of their own and loaded by the program's own state, the way start-up
// and the "/WARN" mode load them, and saves go through the program's own
// save, whose bytes are kept. Kept in one place so that the loads and saves
// can follow the program's when they change.
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

    // The bytes the program's save writes of the list it holds.
    std::string SaveTickets();
    std::string SaveHistory();
    // The import's end: the imported history saved over the history file and
    // read back; the history the program then holds.
    const lottery::THistoryList& ImportHistory(const lottery::THistoryList& imported);
    // The bytes of the last save.
    const std::string& LastSaved() const { return lastSaved_; }

private:
    std::filesystem::path directory_;
    std::string lastSaved_;
    lottery::LotteryState state_;
};

}  // namespace fuzz
