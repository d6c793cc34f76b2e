// Writes the fuzzers' seed corpora into <output>/{ticket_file,history_file,
// import_file}: the file layouts' own examples and edge cases, files of many
// whole records (tickets with all ten boards and long descriptions), and,
// when the real results file is given, the earliest real draws as a history
// file and as an import file.
#include "PlainFormats.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The earliest real draws to seed with: hundreds of records, well past the
// start of the Wednesday draws.
constexpr int kRealDraws = 600;
constexpr int kWednesdayDrawsStart = 35466;  // draw 117
constexpr std::size_t kDescriptionAt = 4 + 120;  // the first ticket's counted text

void WriteSeed(const fs::path& directory, const std::string& name, const std::string& bytes) {
    fs::create_directories(directory);
    std::ofstream(directory / name, std::ios::binary) << bytes;
}

uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

plain::Ticket MakeTicket(int boardsInUse, std::string description, int drawNumber, int16_t weeks, int16_t drawDays) {
    plain::Ticket ticket;
    for (int board = 0; board < boardsInUse; ++board)
        for (int position = 0; position < 6; ++position)
            ticket.numbers[static_cast<std::size_t>(board * 6 + position)] =
                static_cast<int16_t>(1 + (board * 3 + position * 8) % 49);
    for (int board = 0; board < boardsInUse; ++board)
        std::sort(ticket.numbers.begin() + board * 6, ticket.numbers.begin() + board * 6 + 6);
    ticket.description = std::move(description);
    ticket.startDateBits = BitsOf(plain::DrawDay(drawNumber));
    ticket.weeks = weeks;
    ticket.drawDays = drawDays;
    return ticket;
}

// The first ticket's description block replaced by raw bytes of the given
// count: text past a NUL, or longer than a description can be.
std::string WithFirstDescriptionBlock(std::string file, const std::string& block) {
    const std::size_t oldLength = static_cast<unsigned char>(file[kDescriptionAt]) |
                                  static_cast<unsigned char>(file[kDescriptionAt + 1]) << 8;
    file.replace(kDescriptionAt, 2 + oldLength,
                 std::string{static_cast<char>(block.size() & 0xff), static_cast<char>(block.size() >> 8)} + block);
    return file;
}

void WriteTicketSeeds(const fs::path& directory) {
    WriteSeed(directory, "empty", plain::WriteTicketFile({}));
    WriteSeed(directory, "one-ticket-no-description", plain::WriteTicketFile({MakeTicket(1, "", 117, 1, 0)}));
    std::vector<plain::Ticket> tickets;
    const int16_t weeks[] = {1, 2, 8, 9, 10, 32767, 0, -1};
    for (int i = 0; i < 40; ++i) {
        const std::string description = std::string(static_cast<std::size_t>(i * 37 % 256), 'a' + i % 26);
        tickets.push_back(MakeTicket(i % 3 == 0 ? 10 : 1 + i % 10, description, 100 + i * 31, weeks[i % 8],
                                     static_cast<int16_t>(i % 4)));
    }
    const std::string many = plain::WriteTicketFile(tickets);
    WriteSeed(directory, "forty-tickets-ten-boards-long-descriptions", many);
    WriteSeed(directory, "forty-tickets-truncated", many.substr(0, many.size() - 5));
    WriteSeed(directory, "negative-count", std::string("\x01\x00\xff\xff", 4) + many.substr(4));
    WriteSeed(directory, "text-past-the-nul", WithFirstDescriptionBlock(many, std::string("abc\0defgh", 9)));
    WriteSeed(directory, "description-too-long", WithFirstDescriptionBlock(many, std::string(300, 'x')));
    WriteSeed(directory, "no-description-block", WithFirstDescriptionBlock(many, ""));
}

void WriteHistorySeeds(const fs::path& directory) {
    WriteSeed(directory, "empty", plain::WriteHistoryFile({}));
    plain::Draw recorded = plain::UnrecordedDraw(kWednesdayDrawsStart);
    recorded.numbers = {1, 2, 3, 4, 5, 6, 7};
    const std::string two = plain::WriteHistoryFile({recorded, plain::UnrecordedDraw(kWednesdayDrawsStart)});
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
    WriteSeed(directory, "csv-dated-rows",
              "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine\r\n"
              "08-Feb-1997,49,03,27,01,12,30,05,1,\"Lancelot, \"\"L\"\"\"\r\n"
              "5-feb-1997,1,2,3,4,5,6,7,1,Arthur\r\n");
}

std::vector<std::string> CsvCells(const std::string& row) {
    std::vector<std::string> cells;
    std::stringstream fields(row);
    for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
    return cells;
}

// The real results file as it comes, newest first, cut to its header and
// first rows: rows of the later game, whose balls go above 49. Then the
// rows where that game began, and the same rows in the other layout.
void WriteRealCsvSeeds(const fs::path& directory, const fs::path& csvPath) {
    std::ifstream csv(csvPath);
    std::string header;
    std::getline(csv, header);
    std::string newest = header + "\n";
    std::string change = newest;
    std::string dated = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Machine\n";
    int rows = 0;
    for (std::string row; std::getline(csv, row); ++rows) {
        if (rows < 60) newest += row + "\n";
        const std::vector<std::string> cells = CsvCells(row);
        if (cells.size() < 15 || std::stoi(cells[0]) < 2050 || std::stoi(cells[0]) > 2080) continue;
        change += row + "\n";
        dated += (cells[2].size() == 1 ? "0" : "") + cells[2] + "-" + cells[3] + "-" + cells[4];
        for (std::size_t i = 5; i <= 11; ++i) dated += "," + cells[i];
        dated += "," + cells[14] + "\n";
    }
    WriteSeed(directory, "real-csv-newest-rows", newest);
    WriteSeed(directory, "real-csv-where-the-game-changed", change);
    WriteSeed(directory, "real-csv-dated-layout", dated);
}

// The real results file lists the newest draw first, one row per draw and
// round; the seeds take the earliest draws in draw order.
void WriteRealDataSeeds(const fs::path& output, const fs::path& csvPath) {
    WriteRealCsvSeeds(output / "import_file", csvPath);
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
    std::vector<plain::Draw> history;
    for (const auto& cells : draws) {
        const std::string date = (cells[2].size() == 1 ? "0" : "") + cells[2] + "-" + cells[3] + "-" + cells[4];
        char line[64];
        std::snprintf(line, sizeof line, "%-9s%s  %s %s %s %s %s %s  %s\r\n", cells[0].c_str(), date.c_str(),
                      cells[5].c_str(), cells[6].c_str(), cells[7].c_str(), cells[8].c_str(), cells[9].c_str(),
                      cells[10].c_str(), cells[11].c_str());
        importText += line;
        plain::Draw draw = plain::UnrecordedDraw(plain::ImportDate(date).value_or(0));
        for (std::size_t i = 0; i < draw.numbers.size(); ++i) draw.numbers[i] = static_cast<int16_t>(std::stoi(cells[5 + i]));
        std::sort(draw.numbers.begin(), draw.numbers.begin() + 6);
        history.push_back(draw);
    }
    WriteSeed(output / "import_file", "real-draws", importText);
    WriteSeed(output / "history_file", "real-draws", plain::WriteHistoryFile(history));
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
