#pragma once

#include "lottery/CivilDate.h"

#include <filesystem>

namespace bench {

// Writes the largest data files the program can hold into a directory:
// 32767 tickets with all ten boards in use, a history of 32767 recorded
// draws listed newest first, and a history that holds every draw after
// draw 3230 so that loading it fills in 3230 draws up to the 32767 limit.
// The same seed always gives the same files.
class LargeDataFiles {
public:
    static constexpr int kTickets = 32767;
    static constexpr int kBoards = kTickets * 10;
    static constexpr int kHistoryEntries = 32767;
    // The draw of about the time of writing, and so the LatestDrawNumber
    // of a run on its day.
    static constexpr int kLatestDraw = 3230;

    explicit LargeDataFiles(std::filesystem::path directory);

    static lottery::DayNumber Today();

    std::filesystem::path TicketFile() const { return directory_ / "Large.TKT"; }
    std::filesystem::path FullHistoryFile() const { return directory_ / "Full.HST"; }
    std::filesystem::path FillingHistoryFile() const { return directory_ / "Filling.HST"; }
    // A results file of 32767 lines to import, one per draw.
    std::filesystem::path ImportFile() const { return directory_ / "Results.TXT"; }

    void Generate() const;

private:
    void GenerateTickets() const;
    void GenerateHistory(const std::filesystem::path& file, int firstDraw, int lastDraw) const;
    void GenerateImportFile() const;

    std::filesystem::path directory_;
};

}  // namespace bench
