// Writes the fuzzers' seed corpora into <output>/{ticket_file,history_file,
// import_file}: the file layouts' own examples and edge cases, and, when the
// real results file is given, the earliest real draws as a history file and
// as an import file.
#include "FuzzChecks.h"
#include "lottery/ByteStream.h"
#include "lottery/DrawCalendar.h"
#include "lottery/HistoryImport.h"
#include "lottery/THistoryList.h"
#include "lottery/TLineList.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using lottery::THistoryLine;
using lottery::THistoryList;
using lottery::TLine;
using lottery::TLineList;

namespace {

// The earliest real draws to seed with: enough to reach the Wednesday draws.
constexpr int kRealDraws = 300;

void WriteSeed(const fs::path& directory, const std::string& name, const std::string& bytes) {
    fs::create_directories(directory);
    std::ofstream(directory / name, std::ios::binary) << bytes;
}

void WriteTicketSeeds(const fs::path& directory) {
    TLineList tickets;
    WriteSeed(directory, "empty", fuzz::Saved(tickets));
    TLine::BoardArray boards{};
    boards[0] = {1, 2, 3, 4, 5, 6};
    tickets.AddTicket(boards, "", lottery::WednesdayDrawsStart, 1, 0);
    WriteSeed(directory, "one-ticket-no-description", fuzz::Saved(tickets));
    boards[1] = {7, 14, 21, 28, 35, 42};
    boards[2] = {44, 45, 46, 47, 48, 49};
    tickets.AddTicket(boards, "Syndicate", lottery::DrawDateOf(118), 32767, 3);
    tickets.AddTicket(boards, "Saturdays", lottery::DrawDateOf(200), 8, 2);
    const std::string three = fuzz::Saved(tickets);
    WriteSeed(directory, "three-tickets", three);
    WriteSeed(directory, "three-tickets-truncated", three.substr(0, three.size() - 5));
    WriteSeed(directory, "negative-count", std::string("\x01\x00\xff\xff", 4) + three.substr(4));
}

void WriteHistorySeeds(const fs::path& directory) {
    THistoryList history;
    WriteSeed(directory, "empty", fuzz::Saved(history));
    history.Add({1, 2, 3, 4, 5, 6, 7}, lottery::WednesdayDrawsStart);  // draw 117
    history.AddEmpty(lottery::WednesdayDrawsStart);
    const std::string two = fuzz::Saved(history);
    WriteSeed(directory, "recorded-and-unrecorded-117", two);
    WriteSeed(directory, "truncated", two.substr(0, two.size() - 3));
}

void WriteImportSeeds(const fs::path& directory) {
    const std::string draw117 = "117      05-FEB-1997  01 02 03 04 05 06  07";
    WriteSeed(directory, "draw-117", draw117 + "\r\n");
    WriteSeed(directory, "lower-case-month-and-blanks",
              "\r\n   \n117      05-feb-1997  49 03 27 01 12 30  05\r118      08-Feb-1997   1  2  3 -4 +5  0   7\n");
    WriteSeed(directory, "format-error-third-line", draw117 + "\n" + draw117 + "\nabc" + draw117.substr(3) + "\n");
    WriteSeed(directory, "unknown-month", "117      05-FEX-1997  01 02 03 04 05 06  07\n");
}

std::vector<std::string> CsvCells(const std::string& row) {
    std::vector<std::string> cells;
    std::stringstream fields(row);
    for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
    return cells;
}

// The real results file lists the newest draw first, one row per draw and
// round; the seeds take the earliest draws in draw order.
void WriteRealDataSeeds(const fs::path& output, const fs::path& csvPath) {
    std::ifstream csv(csvPath);
    std::string row;
    std::getline(csv, row);  // the heading
    std::vector<std::vector<std::string>> draws;
    while (std::getline(csv, row)) {
        std::vector<std::string> cells = CsvCells(row);
        if (cells.size() >= 12 && std::stoi(cells[0]) <= kRealDraws) draws.push_back(std::move(cells));
    }
    std::reverse(draws.begin(), draws.end());
    std::string importText;
    THistoryList history;
    for (const auto& cells : draws) {
        const std::string date = (cells[2].size() == 1 ? "0" : "") + cells[2] + "-" + cells[3] + "-" + cells[4];
        char line[64];
        std::snprintf(line, sizeof line, "%-9s%s  %s %s %s %s %s %s  %s\r\n", cells[0].c_str(), date.c_str(),
                      cells[5].c_str(), cells[6].c_str(), cells[7].c_str(), cells[8].c_str(), cells[9].c_str(),
                      cells[10].c_str(), cells[11].c_str());
        importText += line;
        THistoryLine::Numbers numbers{};
        for (int i = 0; i < THistoryLine::kNumberCount; ++i) numbers[i] = static_cast<int16_t>(std::stoi(cells[5 + i]));
        history.Add(numbers, lottery::ParseImportDate(date).value_or(0));
    }
    WriteSeed(output / "import_file", "real-draws", importText);
    WriteSeed(output / "history_file", "real-draws", fuzz::Saved(history));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_fuzz_seeds <output directory> [real results .csv]\n";
        return 2;
    }
    const fs::path output = argv[1];
    WriteTicketSeeds(output / "ticket_file");
    WriteHistorySeeds(output / "history_file");
    WriteImportSeeds(output / "import_file");
    if (argc > 2 && fs::exists(argv[2])) WriteRealDataSeeds(output, argv[2]);
    return 0;
}
