#pragma once

#include "lottery/HistoryImport.h"

#include <string_view>

namespace lottery {

// Results files of comma-separated values under a header row, as results
// sites and the operator offer them for download. Two layouts are read,
// told apart by their header's first cells (in any letter case; further
// cells are not read):
//   DrawNo,Day,DD,MMM,YYYY,N1,N2,N3,N4,N5,N6,BonusBall
//   DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball
// with dates like 5,Dec,2026 in the first and 05-Dec-2026 in the second.
// A cell may stand in double quotes.

// Whether a line is the header of one of these layouts.
bool IsCsvHeader(std::string_view line);

// Reads a whole file whose first line that is not blank is such a header
// into the result, which must be new. The rows follow the fixed-column
// rules: a draw number that is no whole number makes a FormatError, and a
// ball or a date that cannot be read throws LotteryError. The draws go
// into the history in date order, oldest first, whatever the file's order
// (rows of one day keep theirs). From the first draw with a ball above 49
// on, the game is a later, larger one: those draws are left out and
// counted. A file that held draws but only of that game is refused as an
// EmptyFile, so that it cannot wipe out a history for nothing.
void ReadCsvFile(std::string_view text, ImportResult& result);

}  // namespace lottery
