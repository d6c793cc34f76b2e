// The resident memory of the program: empty, and with the largest files
// loaded, every list filled and the result sheet of a recorded draw showing
// every board. The budget is the empty program's memory plus twice the
// bytes the data occupies on disk. Run on a release build:
//   build/release/bench/memory_bench
#include "bench/BudgetReporter.h"
#include "bench/LargeDataFiles.h"

#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "app/QtPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::LargeDataFiles;
using master::TMasterForm;

constexpr double kMegabyte = 1024.0 * 1024.0;

double ResidentBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) * 1024.0;
    return 0;
}

// Lets the window lay itself out and paint, and frees what it let go of.
void Settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    malloc_trim(0);
}

// The largest files, generated once per run into a directory of its own.
class MemoryBenchData {
public:
    static MemoryBenchData& Instance() {
        static MemoryBenchData data;
        return data;
    }
    ~MemoryBenchData() {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    app::DataFilePaths LargestData() const {
        return {QString::fromStdString(files_.TicketFile().string()),
                QString::fromStdString(files_.FullHistoryFile().string())};
    }
    app::DataFilePaths NoData() const {
        return {QString::fromStdString((directory_ / "none.TKT").string()),
                QString::fromStdString((directory_ / "none.HST").string())};
    }
    double DiskBytes() const {
        return static_cast<double>(fs::file_size(files_.TicketFile()) + fs::file_size(files_.FullHistoryFile()));
    }

    double emptyProgramBytes = 0;
    std::vector<bench::BudgetLine> budget;

private:
    MemoryBenchData()
        : directory_(fs::temp_directory_path() / ("tallimo-memory-" + std::to_string(::getpid()))),
          files_(directory_) {
        files_.Generate();
        malloc_trim(0);
    }

    fs::path directory_;
    LargeDataFiles files_;
};

// The window is dropped without closing it, so nothing is written back.
std::unique_ptr<TMasterForm> OpenWindow(app::Platform& platform, const app::DataFilePaths& paths) {
    auto form = std::make_unique<TMasterForm>(platform, paths, false);
    form->show();
    Settle();
    return form;
}

// Every board on "Your Tickets", then the latest recorded draw's sheet with
// every ticket's boards listed.
void ShowEveryList(TMasterForm& form) {
    form.Main()->BitBtn1()->click();
    form.ShowPage(TMasterForm::MainPageIndex);
    form.Main()->BitBtn3()->click();
    form.History()->HistoryList()->SelectRow(form.History()->Rows().rowCount() - 1);
    form.History()->Button16()->click();
    if (form.ResultSheet()->ValidOnly()->isChecked()) form.ResultSheet()->ValidOnly()->click();
    Settle();
}

void EmptyProgram(benchmark::State& state) {
    MemoryBenchData& data = MemoryBenchData::Instance();
    app::QtPlatform platform;
    for (auto _ : state) {
        auto form = OpenWindow(platform, data.NoData());
        data.emptyProgramBytes = ResidentBytes();
    }
    state.counters["rss_MB"] = data.emptyProgramBytes / kMegabyte;
}

void LargestDataWithResultSheet(benchmark::State& state) {
    MemoryBenchData& data = MemoryBenchData::Instance();
    app::QtPlatform platform;
    double loaded = 0;
    double resident = 0;
    int sheetRows = 0;
    int ticketRows = 0;
    for (auto _ : state) {
        auto form = OpenWindow(platform, data.LargestData());
        loaded = ResidentBytes();
        ShowEveryList(*form);
        resident = ResidentBytes();
        sheetRows = form->ResultSheet()->Rows().rowCount();
        ticketRows = form->Tickets()->Rows().rowCount();
    }
    const double disk = data.DiskBytes();
    const double budget = data.emptyProgramBytes + 2 * disk;
    state.counters["rss_MB"] = resident / kMegabyte;
    state.counters["loaded_MB"] = loaded / kMegabyte;
    state.counters["empty_MB"] = data.emptyProgramBytes / kMegabyte;
    state.counters["disk_MB"] = disk / kMegabyte;
    state.counters["budget_MB"] = budget / kMegabyte;
    state.counters["data_rss_per_disk_byte"] = (resident - data.emptyProgramBytes) / disk;
    state.counters["sheet_rows"] = sheetRows;
    state.counters["ticket_rows"] = ticketRows;
    bench::BudgetLine line;
    line.operation = "ResidentWithLargestData";
    line.measured = resident / kMegabyte;
    line.budget = budget / kMegabyte;
    line.unit = "MB";
    line.note = "empty program + 2 x data on disk";
    data.budget = {line};
}

// Each measurement once, in this order: the empty program is the baseline.
BENCHMARK(EmptyProgram)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestDataWithResultSheet)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);  // leave the user's settings alone
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MemoryBenchData::Instance();
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\nBudget: the resident memory with the largest data\n");
    bench::PrintBudgetTable(MemoryBenchData::Instance().budget);
    benchmark::Shutdown();
    return 0;
}
