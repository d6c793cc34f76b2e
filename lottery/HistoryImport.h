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

struct ImportResult {
    ImportStatus status = ImportStatus::Imported;
    std::string conversionMessage;  // for a ConversionError
    THistoryList history;           // the rebuilt history, when Imported
    // Draws the history had no room for, when Imported: lines past the
    // history's limit and draws that could not be filled in after them.
    int drawsLeftOut = 0;
};

// Reads a results file of fixed columns, one draw per line, into a new
// history (in file order, balls sorted) completed with an empty entry for
// every draw up to latestDrawNumber, as far as the history has room. A
// UTF-8 byte-order mark at the start is passed over. Nothing outside the
// result is touched, so a failure leaves the program's history as it was.
ImportResult ReadImportFile(std::string_view text, int latestDrawNumber);

// The day of a DD-MMM-YYYY field (the month in any letter case), or nothing
// when it names no real date.
std::optional<DayNumber> ParseImportDate(std::string_view field);

}  // namespace lottery
