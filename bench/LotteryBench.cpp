#include "bench/BudgetReporter.h"
#include "bench/LargeDataFiles.h"

#include "app/DataFileWriter.h"
#include "lottery/DrawCalendar.h"
#include "lottery/HistoryImport.h"
#include "lottery/WholeFile.h"
#include "lottery/LotteryState.h"
#include "lottery/NumberStatistics.h"
#include "lottery/TicketRun.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

// The loads, the import, the check of every board and the saves at the
// largest sizes the files can hold, each against its budget, printed at the
// end. Run on a release build:
//   build/release/bench/lottery_bench

namespace {

namespace fs = std::filesystem;
using bench::LargeDataFiles;
using lottery::LotteryState;

// The generated files, made once per run in a directory of the run's own and
// removed when the run ends. The benchmarks save into copies beside them.
class BenchData {
public:
    static BenchData& Instance() {
        static BenchData data;
        return data;
    }
    BenchData(const BenchData&) = delete;
    BenchData& operator=(const BenchData&) = delete;
    ~BenchData() {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }

    const LargeDataFiles& Files() const { return files_; }
    // A copy of a generated file that a benchmark may overwrite.
    fs::path WorkCopy(const fs::path& generated, const std::string& name) const {
        const fs::path copy = directory_ / name;
        fs::copy_file(generated, copy, fs::copy_options::overwrite_existing);
        return copy;
    }

private:
    BenchData()
        : directory_(fs::temp_directory_path() / ("tallimo-bench-" + std::to_string(::getpid()))),
          files_(directory_ / "generated") {
        files_.Generate();
    }

    fs::path directory_;
    LargeDataFiles files_;
};

LotteryState StateOver(const fs::path& ticketFile, const fs::path& historyFile) {
    return LotteryState(ticketFile.string(), historyFile.string(), LargeDataFiles::Today, app::WriteDataFile);
}

// Each load goes into a state that holds nothing yet, as at start-up, in
// memory first handed back to the system: reusing the pages the last
// repetition freed would spare it the page faults a program just started
// meets.
LotteryState NewState(const fs::path& ticketFile, const fs::path& historyFile) {
    malloc_trim(0);
    return StateOver(ticketFile, historyFile);
}

void LoadTickets(benchmark::State& state) {
    LotteryState lottery = NewState(BenchData::Instance().Files().TicketFile(), {});
    for (auto _ : state) lottery.LoadTickets();
    if (lottery.CountTickets().boards != LargeDataFiles::kBoards) state.SkipWithError("not every board loaded");
}

// A full history: draws 1..32767, newest first, so nothing is left to fill.
void LoadHistory(benchmark::State& state) {
    LotteryState lottery = NewState({}, BenchData::Instance().Files().FullHistoryFile());
    for (auto _ : state) lottery.LoadHistory();
    if (lottery.DrawHistory().Count() != LargeDataFiles::kHistoryEntries) state.SkipWithError("not full");
}

// Draws 3231..32767 in the file: loading fills in draws 1..3230.
void LoadHistoryFilling(benchmark::State& state) {
    LotteryState lottery = NewState({}, BenchData::Instance().Files().FillingHistoryFile());
    for (auto _ : state) lottery.LoadHistory();
    if (lottery.CountUnrecordedDraws() != LargeDataFiles::kLatestDraw) state.SkipWithError("draws not filled");
}

// The import as the user meets it: the results file of 32767 lines read and
// parsed into a new history, which is written over the history file and
// read back in place of the full history held until then.
void ImportResultsFile(benchmark::State& state) {
    const BenchData& data = BenchData::Instance();
    LotteryState lottery = StateOver({}, data.WorkCopy(data.Files().FullHistoryFile(), "imported.HST"));
    lottery.LoadHistory();
    const std::string importFile = data.Files().ImportFile().string();
    for (auto _ : state) {
        const lottery::ImportResult result =
            lottery::ReadImportFile(lottery::ReadWholeFile(importFile).bytes, lottery.LatestDrawNumber());
        if (result.status != lottery::ImportStatus::Imported) {
            state.SkipWithError("the results file was not imported");
            return;
        }
        lottery.ImportHistory(result.history);
    }
    if (lottery.DrawHistory().Count() != LargeDataFiles::kHistoryEntries)
        state.SkipWithError("not every line imported");
}

// Every board of every ticket checked against the latest draw and sorted
// into the result sheet's order.
void CheckAndSortBoards(benchmark::State& state) {
    const LargeDataFiles& files = BenchData::Instance().Files();
    LotteryState lottery = StateOver(files.TicketFile(), files.FullHistoryFile());
    lottery.LoadTickets();
    lottery.LoadHistory();
    const lottery::THistoryLine* draw =
        lottery.DrawHistory().FindDrawOn(lottery::DrawDateOf(LargeDataFiles::kLatestDraw));
    std::vector<lottery::CheckRow> checked;
    for (auto _ : state) checked = lottery.FillCheckRows(*draw, false);
    state.counters["winning"] = lottery::CountCheckRows(checked).winningBoards;
    if (checked.size() != std::size_t{LargeDataFiles::kBoards}) state.SkipWithError("not every board checked");
}

void SaveTickets(benchmark::State& state) {
    const BenchData& data = BenchData::Instance();
    LotteryState lottery = StateOver(data.WorkCopy(data.Files().TicketFile(), "saved.TKT"), {});
    lottery.LoadTickets();
    for (auto _ : state) lottery.SaveTickets();
}

void SaveHistory(benchmark::State& state) {
    const BenchData& data = BenchData::Instance();
    LotteryState lottery = StateOver({}, data.WorkCopy(data.Files().FullHistoryFile(), "saved.HST"));
    lottery.LoadHistory();
    for (auto _ : state) lottery.SaveHistory();
}

constexpr int kRepetitions = 21;

void OneByOne(benchmark::internal::Benchmark* operation) {
    bench::TimedOneByOne(operation, kRepetitions);
}

}  // namespace

// The statistics window and the ticket run window compute what they draw
// whenever they open or their range changes.
namespace {

// A full history of recorded draws from draw 1 on, shuffled as an import
// may leave a history's order.
lottery::THistoryList ShuffledFullHistory() {
    std::vector<int> drawNumbers(lottery::THistoryList::kMaxEntries);
    for (std::size_t index = 0; index < drawNumbers.size(); ++index) drawNumbers[index] = static_cast<int>(index) + 1;
    std::mt19937 random(20261208);
    std::shuffle(drawNumbers.begin(), drawNumbers.end(), random);
    lottery::THistoryList history;
    for (const int drawNumber : drawNumbers) {
        std::vector<int16_t> balls(49);
        for (std::size_t ball = 0; ball < balls.size(); ++ball) balls[ball] = static_cast<int16_t>(ball + 1);
        std::shuffle(balls.begin(), balls.end(), random);
        history.Add({balls[0], balls[1], balls[2], balls[3], balls[4], balls[5], balls[6]},
                    lottery::DrawDateOf(drawNumber));
    }
    return history;
}

void NumberStatisticsOfAFullHistory(benchmark::State& state) {
    const lottery::THistoryList history = ShuffledFullHistory();
    int draws = 0;
    for (auto _ : state) {
        const lottery::NumberStatistics statistics(history, lottery::DrawDateOf(1),
                                                   lottery::DrawDateOf(lottery::THistoryList::kMaxEntries));
        draws = statistics.RecordedDraws();
        benchmark::DoNotOptimize(statistics.Of(1).asBall);
    }
    state.counters["draws"] = draws;
    if (draws != lottery::THistoryList::kMaxEntries) state.SkipWithError("not every draw counted");
}

// Ten boards, unlimited, both draws, from the first draw to the latest.
void RunOfAnUnlimitedTicketSince1994(benchmark::State& state) {
    const lottery::THistoryList history = ShuffledFullHistory();
    lottery::TLine::BoardArray boards{};
    for (std::size_t board = 0; board < boards.size(); ++board)
        for (std::size_t position = 0; position < boards[board].size(); ++position)
            boards[board][position] = static_cast<int16_t>(board * 4 + position + 1);
    lottery::TLine ticket;
    ticket.SetTicket(boards, "", lottery::SaturdayDrawsStart, lottery::TLine::kUnlimitedWeeks, 0);
    std::size_t draws = 0;
    for (auto _ : state) {
        const lottery::TicketRun run =
            lottery::RunOfTicket(ticket, history, lottery::DrawDateOf(LargeDataFiles::kLatestDraw));
        draws = run.draws.size();
        benchmark::DoNotOptimize(run.draws.data());
    }
    state.counters["draws"] = static_cast<double>(draws);
    if (draws != static_cast<std::size_t>(LargeDataFiles::kLatestDraw)) state.SkipWithError("not every draw in the run");
}

}  // namespace

BENCHMARK(LoadTickets)->Apply(OneByOne);
BENCHMARK(LoadHistory)->Apply(OneByOne);
BENCHMARK(LoadHistoryFilling)->Apply(OneByOne);
BENCHMARK(ImportResultsFile)->Apply(OneByOne);
BENCHMARK(CheckAndSortBoards)->Apply(OneByOne);
BENCHMARK(SaveTickets)->Apply(OneByOne);
BENCHMARK(SaveHistory)->Apply(OneByOne);
BENCHMARK(NumberStatisticsOfAFullHistory)->Apply(OneByOne);
BENCHMARK(RunOfAnUnlimitedTicketSince1994)->Apply(OneByOne);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    BenchData::Instance();  // generate the files before any timing starts
    constexpr double kMilliseconds = 100;
    constexpr double kFrame = 16;
    bench::BudgetReporter reporter({
        {"LoadTickets", kMilliseconds},
        {"LoadHistory", kMilliseconds},
        {"LoadHistoryFilling", kMilliseconds},
        {"ImportResultsFile", kMilliseconds},
        {"CheckAndSortBoards", kMilliseconds},
        {"SaveTickets", kMilliseconds},
        {"SaveHistory", kMilliseconds},
        {"NumberStatisticsOfAFullHistory", kFrame},
        {"RunOfAnUnlimitedTicketSince1994", kFrame},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
