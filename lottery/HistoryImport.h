#pragma once

#include "lottery/THistoryList.h"

#include <optional>
#include <string>
#include <string_view>

namespace lottery {

// How reading an import file ended.
enum class ImportStatus {
    Imported,         // every line read; the history is ready to replace the old one
    EmptyFile,        // the file has no lines at all
    FormatError,      // a line's draw number is no whole number
    ConversionError,  // a ball, the bonus or the date cannot be read
};

// Import files come in two layouts, told apart by their first line that is
// not blank: fixed columns, and comma-separated values under a header row
// (lottery/CsvImport.h).


struct ImportResult {
    ImportStatus status = ImportStatus::Imported;
    std::string conversionMessage;  // for a ConversionError
    THistoryList history;           // the rebuilt history, when Imported
    // Draws the history had no room for, when Imported: lines past the
    // history's limit and draws that could not be filled in after them.
    int drawsLeftOut = 0;
    // The file's draws the history holds, when Imported.
    int drawsImported = 0;
    // Draws of the later game with balls above 49, when Imported: the first
    // draw with such a ball and every draw from its day on are left out.
    int laterGameDrawsLeftOut = 0;
    DayNumber laterGameFrom = 0;  // the day of that first draw

    // Keeps a draw of the file, or counts it as left out when the history
    // is full.
    void AddDraw(const THistoryLine::Numbers& numbers, DayNumber drawDate);
    // Adds an empty entry for every draw 1..latestDrawNumber without one, as
    // far as the history has room, and counts the draws it had none for.
    void FillMissingDraws(int latestDrawNumber);
};

// Reads a results file of either layout into a new history (balls sorted)
// completed with an empty entry for every draw up to latestDrawNumber, as
// far as the history has room. A file of fixed columns, one draw per line,
// keeps its file order. A UTF-8 byte-order mark at the start is passed
// over. Nothing outside the result is touched, so a failure leaves the
// program's history as it was.
ImportResult ReadImportFile(std::string_view text, int latestDrawNumber);

// The day of a DD-MMM-YYYY field (the month in any letter case), or nothing
// when it names no real date.
std::optional<DayNumber> ParseImportDate(std::string_view field);

}  // namespace lottery
