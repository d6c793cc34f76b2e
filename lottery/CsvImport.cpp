#include "lottery/CsvImport.h"

#include "lottery/ImportText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lottery {
namespace {

using Cells = std::vector<std::string>;

// The game whose results the history keeps draws balls 1..49; a ball
// above that is the later, larger game.
constexpr int kHighestBall = 49;

struct CsvDraw {
    THistoryLine::Numbers numbers{};
    DayNumber date = 0;
};

struct CsvLayout {
    std::vector<std::string_view> header;  // the cells the header starts with
    bool startsWithDrawNumber;
    std::size_t firstBall;  // the six balls and then the bonus ball from here
    std::optional<DayNumber> (*dateOf)(const Cells& cells);
};

std::string_view CellAt(const Cells& cells, std::size_t index) {
    return index < cells.size() ? std::string_view(cells[index]) : std::string_view();
}

// DD, MMM and YYYY in cells of their own, after the draw number and the weekday.
std::optional<DayNumber> DateInThreeCells(const Cells& cells) {
    return DateFromFields(CellAt(cells, 2), CellAt(cells, 3), CellAt(cells, 4));
}

// DD-MMM-YYYY in the first cell.
std::optional<DayNumber> DashedDateInFirstCell(const Cells& cells) {
    const std::string_view date = CellAt(cells, 0);
    const std::size_t firstDash = date.find('-');
    const std::size_t secondDash = date.find('-', firstDash == date.npos ? date.size() : firstDash + 1);
    if (secondDash == date.npos || date.find('-', secondDash + 1) != date.npos) return std::nullopt;
    return DateFromFields(date.substr(0, firstDash), date.substr(firstDash + 1, secondDash - firstDash - 1),
                          date.substr(secondDash + 1));
}

const std::array<CsvLayout, 2> kLayouts = {{
    {{"DrawNo", "Day", "DD", "MMM", "YYYY", "N1", "N2", "N3", "N4", "N5", "N6", "BonusBall"},
     true, 5, DateInThreeCells},
    {{"DrawDate", "Ball 1", "Ball 2", "Ball 3", "Ball 4", "Ball 5", "Ball 6", "Bonus Ball"},
     false, 1, DashedDateInFirstCell},
}};

// The line's cells, each trimmed of blanks. A cell in double quotes may
// hold commas, and a doubled quote inside stands for one.
Cells CellsOf(std::string_view line) {
    Cells cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    for (std::string& cell : cells) cell = std::string(Trimmed(cell));
    return cells;
}

bool SameInAnyCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

const CsvLayout* LayoutOf(std::string_view header) {
    const Cells cells = CellsOf(header);
    for (const CsvLayout& layout : kLayouts)
        if (cells.size() >= layout.header.size() &&
            std::equal(layout.header.begin(), layout.header.end(), cells.begin(), SameInAnyCase))
            return &layout;
    return nullptr;
}

// A row's draw, checked in the fixed-column order: the draw number, the
// seven numbers, the date. Nothing when the draw number is no whole number.
std::optional<CsvDraw> ReadRow(const CsvLayout& layout, const Cells& cells) {
    if (layout.startsWithDrawNumber && !WholeNumber(CellAt(cells, 0))) return std::nullopt;
    CsvDraw draw;
    for (std::size_t i = 0; i < draw.numbers.size(); ++i)
        draw.numbers[i] = NumberOrThrow(CellAt(cells, layout.firstBall + i));
    draw.date = DateOrThrow(layout.dateOf(cells));
    return draw;
}

bool HasBallAboveFortyNine(const CsvDraw& draw) {
    return std::ranges::any_of(draw.numbers, [](int16_t number) { return number > kHighestBall; });
}

// The draws, in date order, into the history up to the first draw with a
// ball above 49; that draw and those of its day and after are counted.
void KeepDrawsOfTheFortyNineBallGame(std::vector<CsvDraw>& draws, ImportResult& result) {
    std::ranges::stable_sort(draws, {}, &CsvDraw::date);
    const auto laterGame = std::ranges::find_if(draws, HasBallAboveFortyNine);
    const auto firstLeftOut = laterGame == draws.end()
                                  ? draws.end()
                                  : std::ranges::lower_bound(draws, laterGame->date, {}, &CsvDraw::date);
    for (auto draw = draws.begin(); draw != firstLeftOut; ++draw) result.AddDraw(draw->numbers, draw->date);
    result.laterGameDrawsLeftOut = static_cast<int>(draws.end() - firstLeftOut);
    if (firstLeftOut != draws.end()) result.laterGameFrom = firstLeftOut->date;
    if (firstLeftOut == draws.begin() && !draws.empty()) result.status = ImportStatus::EmptyFile;
}

}  // namespace

bool IsCsvHeader(std::string_view line) {
    return LayoutOf(line) != nullptr;
}

void ReadCsvFile(std::string_view text, ImportResult& result) {
    const std::vector<std::string_view> lines = ImportLines(text);
    auto line = std::ranges::find_if(lines, [](std::string_view each) { return !Trimmed(each).empty(); });
    const CsvLayout& layout = *LayoutOf(*line);
    std::vector<CsvDraw> draws;
    for (++line; line != lines.end(); ++line) {
        if (Trimmed(*line).empty()) continue;
        const std::optional<CsvDraw> draw = ReadRow(layout, CellsOf(*line));
        if (!draw) {
            result.status = ImportStatus::FormatError;
            return;
        }
        draws.push_back(*draw);
    }
    KeepDrawsOfTheFortyNineBallGame(draws, result);
}

}  // namespace lottery
