#include "bench/LargeDataFiles.h"

#include "app/DataFileWriter.h"
#include "lottery/DrawCalendar.h"
#include "lottery/LotteryState.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <random>

namespace bench {
namespace {

using lottery::LotteryState;
using lottery::THistoryLine;
using lottery::TLine;

constexpr unsigned kSeed = 19941119;

// Six different numbers 1..49, ascending, at the front of the array.
template <typename Numbers>
Numbers DrawSix(std::mt19937& random) {
    std::array<int16_t, 49> pool;
    std::iota(pool.begin(), pool.end(), int16_t{1});
    std::shuffle(pool.begin(), pool.end(), random);
    Numbers numbers{};
    std::copy_n(pool.begin(), 6, numbers.begin());
    std::sort(numbers.begin(), numbers.begin() + 6);
    return numbers;
}

// Six balls and a bonus ball that differs from them.
THistoryLine::Numbers DrawResult(std::mt19937& random) {
    auto numbers = DrawSix<THistoryLine::Numbers>(random);
    std::uniform_int_distribution<int> ball(1, 49);
    do numbers[6] = static_cast<int16_t>(ball(random));
    while (std::find(numbers.begin(), numbers.begin() + 6, numbers[6]) != numbers.begin() + 6);
    return numbers;
}

}  // namespace

LargeDataFiles::LargeDataFiles(std::filesystem::path directory) : directory_(std::move(directory)) {}

lottery::DayNumber LargeDataFiles::Today() {
    return lottery::DrawDateOf(kLatestDraw);
}

void LargeDataFiles::Generate() const {
    std::filesystem::create_directories(directory_);
    GenerateTickets();
    GenerateHistory(FullHistoryFile(), 1, kHistoryEntries);
    GenerateHistory(FillingHistoryFile(), kLatestDraw + 1, kHistoryEntries);
    GenerateImportFile();
}

void LargeDataFiles::GenerateTickets() const {
    std::mt19937 random(kSeed);
    LotteryState state(TicketFile().string(), {}, Today, app::WriteDataFile);
    std::uniform_int_distribution<int> startDraw(117, kLatestDraw);
    std::uniform_int_distribution<int> weeks(1, 9);
    std::uniform_int_distribution<int> drawDays(0, 2);
    for (int ticket = 1; ticket <= kTickets; ++ticket) {
        TLine::BoardArray boards;
        for (TLine::Board& board : boards) board = DrawSix<TLine::Board>(random);
        state.AddTicket(boards, "Syndicate ticket " + std::to_string(ticket),
                        lottery::DrawDateOf(startDraw(random)), static_cast<int16_t>(weeks(random)),
                        static_cast<int16_t>(drawDays(random)));
    }
    state.SaveTickets();
}

// Recorded draws firstDraw..lastDraw, the newest first: a lookup of the
// early draws by a walk from the front has to pass nearly all of them.
void LargeDataFiles::GenerateHistory(const std::filesystem::path& file, int firstDraw, int lastDraw) const {
    std::mt19937 random(kSeed + firstDraw);
    LotteryState state({}, file.string(), Today, app::WriteDataFile);
    for (int draw = lastDraw; draw >= firstDraw; --draw)
        state.AddDrawResult(DrawResult(random), lottery::DrawDateOf(draw));
    state.SaveHistory();
}

void LargeDataFiles::GenerateImportFile() const {
    static constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::mt19937 random(kSeed + 1);
    std::ofstream out(ImportFile(), std::ios::binary);
    for (int draw = 1; draw <= kHistoryEntries; ++draw) {
        const auto numbers = DrawResult(random);
        const lottery::CivilDate date = lottery::CivilFromDay(lottery::DrawDateOf(draw));
        char line[128];
        std::snprintf(line, sizeof line, "%-9d%02d-%s-%04d  %02d %02d %02d %02d %02d %02d  %02d\r\n", draw % 1000,
                      date.day, kMonths[date.month - 1], date.year, numbers[0], numbers[1], numbers[2], numbers[3],
                      numbers[4], numbers[5], numbers[6]);
        out << line;
    }
}

}  // namespace bench
