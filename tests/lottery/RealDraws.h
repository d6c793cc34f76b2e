#pragma once

#include "lottery/CivilDate.h"
#include "lottery/THistoryList.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace lottery::test {

// The real draws of the shared results file (comma-separated, newest first,
// balls in drawn order), each with its real date, in draw order; the first
// row of a draw number counts. Empty when the file is not beside this
// checkout.
struct RealDraw {
    int drawNumber = 0;
    DayNumber day = 0;
    THistoryLine::Numbers numbers{};
};

inline std::vector<RealDraw> ReadRealDraws(const std::string& path) {
    static const std::map<std::string, int> kMonths = {{"Jan", 1}, {"Feb", 2}, {"Mar", 3}, {"Apr", 4},
                                                       {"May", 5}, {"Jun", 6}, {"Jul", 7}, {"Aug", 8},
                                                       {"Sep", 9}, {"Oct", 10}, {"Nov", 11}, {"Dec", 12}};
    std::ifstream csv(path);
    std::string row;
    std::getline(csv, row);  // the heading
    std::map<int, RealDraw> draws;
    while (std::getline(csv, row)) {
        std::stringstream fields(row);
        std::vector<std::string> cells;
        for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
        if (cells.size() < 12) continue;
        RealDraw draw;
        draw.drawNumber = std::stoi(cells[0]);
        if (draws.count(draw.drawNumber)) continue;
        draw.day = DayFromCivil({std::stoi(cells[4]), kMonths.at(cells[3]), std::stoi(cells[2])});
        for (std::size_t i = 0; i < draw.numbers.size(); ++i)
            draw.numbers[i] = static_cast<int16_t>(std::stoi(cells[5 + i]));
        draws[draw.drawNumber] = draw;
    }
    std::vector<RealDraw> ordered;
    for (const auto& [number, draw] : draws) ordered.push_back(draw);
    return ordered;
}

}  // namespace lottery::test
