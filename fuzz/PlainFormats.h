#pragma once

// A second reader and writer of the program's three file formats, written
// from their layouts alone and kept deliberately plain: byte by byte, no
// speed-ups, nothing shared with the program's own loaders. The fuzzers hold
// the program to what this reader finds, so a loader that quietly dropped or
// changed a good record cannot pass by agreeing with itself.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plain {

// Dates are kept as the bits of their stored double, so that any value a
// damaged file holds (a NaN included) compares exactly.
struct Ticket {
    std::array<int16_t, 60> numbers{};  // board 1 numbers 1..6, then board 2, ...
    std::string description;
    uint64_t startDateBits = 0;
    int16_t weeks = 0;
    int16_t drawDays = 0;
    bool operator==(const Ticket&) const = default;
};

struct Draw {
    std::array<int16_t, 7> numbers{};  // six balls, then the bonus ball
    uint64_t dateBits = 0;
    bool operator==(const Draw&) const = default;
};

// The whole records of a ticket file, in file order. A description keeps
// its bytes before the first NUL, at most 255 of them.
std::vector<Ticket> ReadTicketFile(std::string_view bytes);
std::string WriteTicketFile(const std::vector<Ticket>& tickets);

// The whole records of a history file, in file order.
std::vector<Draw> ReadHistoryFile(std::string_view bytes);
std::string WriteHistoryFile(const std::vector<Draw>& draws);

// Days since 30 December 1899 of each draw, numbered from 1.
int DrawDay(int drawNumber);
// The history after missing draws are filled in: every draw 1..latest
// whose day no entry falls on gets an empty entry, in draw order.
std::vector<Draw> WithMissingDraws(std::vector<Draw> draws, int latestDrawNumber);
Draw UnrecordedDraw(int day);

enum class ImportOutcome { Imported, EmptyFile, FormatError, ConversionError };

struct ImportedFile {
    ImportOutcome outcome = ImportOutcome::Imported;
    std::vector<Draw> draws;  // the lines' draws, balls in order; before any filling
    bool commaSeparated = false;  // a file of comma-separated values
    int laterGameDraws = 0;       // its draws from the first with a ball above 49 on
    int laterGameFrom = 0;        // the day of that draw
};

// A file of fixed columns, or, when its first line that is not blank is the
// header of a comma-separated layout, of comma-separated values: draws in
// date order up to the day of the first draw with a ball above 49.
ImportedFile ReadImportFile(std::string_view text);
// The day of a DD-MMM-YYYY field, or nothing when it names no real date.
std::optional<int> ImportDate(std::string_view field);

}  // namespace plain
