#include "bench/LargeDataFiles.h"
#include "bench/RatioReporter.h"

#include "app/DataFileWriter.h"
#include "lottery/DrawCalendar.h"
#include "lottery/HistoryImport.h"
#include "lottery/WholeFile.h"
#include "lottery/LotteryState.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

// The loads, saves and the result sheet at the largest sizes the files can
// hold, each beside a baseline timed in the same run; the ratios are printed
// at the end. Run on a release build, for example:
//   build/release/bench/lottery_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
// (with repetitions, each ratio is taken from the medians).

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
    fs::path WorkPath(const std::string& name) const { return directory_ / name; }

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

// The baselines: the same bytes in and out with nothing done to them.
std::string ReadRaw(const fs::path& file) {
    std::string bytes(fs::file_size(file), '\0');
    std::FILE* in = std::fopen(file.c_str(), "rb");
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), in);
    std::fclose(in);
    bytes.resize(read);
    return bytes;
}

void WriteRaw(const fs::path& file, const std::string& bytes) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

void ReadRawBenchmark(benchmark::State& state, const fs::path& file) {
    for (auto _ : state) {
        std::string bytes = ReadRaw(file);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
}

// The plain write of a file: opened with truncation over the old one.
void WriteRawBenchmark(benchmark::State& state, const fs::path& file, const std::string& name) {
    const std::string bytes = ReadRaw(file);
    const fs::path target = BenchData::Instance().WorkCopy(file, name);
    for (auto _ : state) WriteRaw(target, bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// The least a write of these bytes can cost: the old file is removed and a
// new one written, which spares the file system the work it does when a
// file is truncated and written again, or replaced by a rename (a save
// cannot avoid the rename if it is to leave the old file whole on failure).
void WriteNewRawBenchmark(benchmark::State& state, const fs::path& file, const std::string& name) {
    const std::string bytes = ReadRaw(file);
    const fs::path target = BenchData::Instance().WorkPath(name);
    for (auto _ : state) {
        fs::remove(target);
        WriteRaw(target, bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void RawReadTickets(benchmark::State& state) {
    ReadRawBenchmark(state, BenchData::Instance().Files().TicketFile());
}

void LoadTickets(benchmark::State& state) {
    LotteryState lottery = StateOver(BenchData::Instance().Files().TicketFile(), {});
    for (auto _ : state) lottery.LoadTickets();
    if (lottery.CountTickets().boards != LargeDataFiles::kBoards)
        state.SkipWithError("not every board loaded");
}

// Loading into a state that holds nothing yet: every ticket or entry is made
// anew, as at start-up. The state is made and dropped outside the timing.
template <void (LotteryState::*Load)()>
void LoadIntoNewState(benchmark::State& state, const fs::path& ticketFile, const fs::path& historyFile) {
    for (auto _ : state) {
        state.PauseTiming();
        auto lottery = std::make_unique<LotteryState>(StateOver(ticketFile, historyFile));
        state.ResumeTiming();
        ((*lottery).*Load)();
        state.PauseTiming();
        lottery.reset();
        state.ResumeTiming();
    }
}

void LoadTicketsAtStartUp(benchmark::State& state) {
    LoadIntoNewState<&LotteryState::LoadTickets>(state, BenchData::Instance().Files().TicketFile(), {});
}

void RawWriteTickets(benchmark::State& state) {
    WriteRawBenchmark(state, BenchData::Instance().Files().TicketFile(), "raw.TKT");
}

void RawWriteNewTickets(benchmark::State& state) {
    WriteNewRawBenchmark(state, BenchData::Instance().Files().TicketFile(), "new.TKT");
}

void SaveTickets(benchmark::State& state) {
    const BenchData& data = BenchData::Instance();
    LotteryState lottery = StateOver(data.WorkCopy(data.Files().TicketFile(), "saved.TKT"), {});
    lottery.LoadTickets();
    for (auto _ : state) lottery.SaveTickets();
}

void RawReadHistory(benchmark::State& state) {
    ReadRawBenchmark(state, BenchData::Instance().Files().FullHistoryFile());
}

// A full history: draws 1..32767, newest first, so nothing is left to fill.
void LoadHistory(benchmark::State& state) {
    LotteryState lottery = StateOver({}, BenchData::Instance().Files().FullHistoryFile());
    for (auto _ : state) lottery.LoadHistory();
    if (lottery.DrawHistory().Count() != LargeDataFiles::kHistoryEntries) state.SkipWithError("not full");
}

void LoadHistoryAtStartUp(benchmark::State& state) {
    LoadIntoNewState<&LotteryState::LoadHistory>(state, {}, BenchData::Instance().Files().FullHistoryFile());
}

void RawReadFillingHistory(benchmark::State& state) {
    ReadRawBenchmark(state, BenchData::Instance().Files().FillingHistoryFile());
}

// Draws 3231..32767 in the file: loading fills in draws 1..3230.
void LoadHistoryFilling(benchmark::State& state) {
    LotteryState lottery = StateOver({}, BenchData::Instance().Files().FillingHistoryFile());
    for (auto _ : state) lottery.LoadHistory();
    if (lottery.CountUnrecordedDraws() != LargeDataFiles::kLatestDraw)
        state.SkipWithError("draws not filled");
}

void RawWriteHistory(benchmark::State& state) {
    WriteRawBenchmark(state, BenchData::Instance().Files().FullHistoryFile(), "raw.HST");
}

void RawWriteNewHistory(benchmark::State& state) {
    WriteNewRawBenchmark(state, BenchData::Instance().Files().FullHistoryFile(), "new.HST");
}

void SaveHistory(benchmark::State& state) {
    const BenchData& data = BenchData::Instance();
    LotteryState lottery = StateOver({}, data.WorkCopy(data.Files().FullHistoryFile(), "saved.HST"));
    lottery.LoadHistory();
    for (auto _ : state) lottery.SaveHistory();
}

void StdSortOfRandomKeys(benchmark::State& state) {
    std::mt19937 random(7);
    std::vector<uint32_t> keys(LargeDataFiles::kBoards);
    for (uint32_t& key : keys) key = static_cast<uint32_t>(random());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<uint32_t> unsorted = keys;
        state.ResumeTiming();
        std::sort(unsorted.begin(), unsorted.end());
        benchmark::DoNotOptimize(unsorted.data());
    }
}

// Every board of every ticket against one recorded draw, in sheet order.
void FillCheckRows(benchmark::State& state) {
    const LargeDataFiles& files = BenchData::Instance().Files();
    LotteryState lottery = StateOver(files.TicketFile(), files.FullHistoryFile());
    lottery.LoadTickets();
    lottery.LoadHistory();
    const lottery::THistoryLine* draw =
        lottery.DrawHistory().FindDrawOn(lottery::DrawDateOf(LargeDataFiles::kLatestDraw));
    std::size_t rows = 0;
    std::size_t winners = 0;
    for (auto _ : state) {
        const std::vector<lottery::CheckRow> checked = lottery.FillCheckRows(*draw, false);
        rows = checked.size();
        winners = static_cast<std::size_t>(lottery::CountCheckRows(checked).winningBoards);
        benchmark::DoNotOptimize(checked.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["winning"] = static_cast<double>(winners);
    if (rows != LargeDataFiles::kBoards) state.SkipWithError("not every board checked");
}

void RawReadImport(benchmark::State& state) {
    ReadRawBenchmark(state, BenchData::Instance().Files().ImportFile());
}

// The import's reading of a results file: every line parsed into a new
// history, completed up to the latest draw.
void ReadImportFile(benchmark::State& state) {
    const fs::path file = BenchData::Instance().Files().ImportFile();
    int entries = 0;
    for (auto _ : state) {
        const lottery::ImportResult result =
            lottery::ReadImportFile(lottery::ReadWholeFile(file.string()).bytes, LargeDataFiles::kLatestDraw);
        entries = result.history.Count();
        benchmark::DoNotOptimize(entries);
    }
    if (entries != LargeDataFiles::kHistoryEntries) state.SkipWithError("not every line imported");
}

}  // namespace

BENCHMARK(RawReadImport)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadImportFile)->Unit(benchmark::kMillisecond);
BENCHMARK(RawReadTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTicketsAtStartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(RawWriteTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(RawWriteNewTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(RawReadHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadHistoryAtStartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(RawReadFillingHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadHistoryFilling)->Unit(benchmark::kMillisecond);
BENCHMARK(RawWriteHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(RawWriteNewHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(StdSortOfRandomKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(FillCheckRows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    BenchData::Instance();  // generate the files before any timing starts
    constexpr double kLimit = 3;
    constexpr double kForInformation = 0;
    bench::RatioReporter reporter({
        {"LoadTickets", "RawReadTickets", kLimit},
        {"LoadTicketsAtStartUp", "RawReadTickets", kLimit},
        {"SaveTickets", "RawWriteTickets", kLimit},
        {"SaveTickets", "RawWriteNewTickets", kForInformation},
        {"LoadHistory", "RawReadHistory", kLimit},
        {"LoadHistoryAtStartUp", "RawReadHistory", kLimit},
        {"LoadHistoryFilling", "RawReadFillingHistory", kLimit},
        {"SaveHistory", "RawWriteHistory", kLimit},
        {"SaveHistory", "RawWriteNewHistory", kForInformation},
        {"FillCheckRows", "StdSortOfRandomKeys", kLimit},
        {"ReadImportFile", "RawReadImport", kLimit},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

#include "lottery/NumberStatistics.h"
#include "lottery/TicketRun.h"

// The statistics window and the ticket run window, each of which should
// compute within one frame (16 ms) at the largest sizes.
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

BENCHMARK(NumberStatisticsOfAFullHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(RunOfAnUnlimitedTicketSince1994)->Unit(benchmark::kMillisecond);
