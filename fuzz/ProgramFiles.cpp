#include "ProgramFiles.h"

#include "lottery/DrawCalendar.h"

#include <fstream>
#include <unistd.h>

namespace fuzz {

namespace {

// One directory per process, so that parallel fuzzing jobs never share files.
std::filesystem::path ProcessDirectory() {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("tallimo-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    return directory;
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

ProgramFiles::ProgramFiles(int latestDrawNumber)
    : directory_(ProcessDirectory()),
      state_((directory_ / "Tallimo.TKT").string(), (directory_ / "Tallimo.HST").string(),
             [day = lottery::DrawDateOf(latestDrawNumber)] { return day; },
             [this](const std::string& path, std::string_view bytes) {
                 lastSaved_ = bytes;
                 WriteFile(path, bytes);
             }) {}

ProgramFiles::~ProgramFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

const lottery::TLineList& ProgramFiles::LoadTickets(std::string_view fileBytes) {
    WriteFile(state_.TicketFilePath(), fileBytes);
    state_.LoadTickets();
    return state_.TicketList();
}

const lottery::THistoryList& ProgramFiles::LoadHistory(std::string_view fileBytes) {
    WriteFile(state_.HistoryFilePath(), fileBytes);
    state_.LoadHistory();
    return state_.DrawHistory();
}

std::string ProgramFiles::SaveTickets() {
    state_.SaveTickets();
    return lastSaved_;
}

std::string ProgramFiles::SaveHistory() {
    state_.SaveHistory();
    return lastSaved_;
}

const lottery::THistoryList& ProgramFiles::ImportHistory(const lottery::THistoryList& imported) {
    state_.ImportHistory(imported);
    return state_.DrawHistory();
}

}  // namespace fuzz
