#include "FakePlatform.h"
#include "Master/HistoryPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/TicketsPage.h"
#include "Master/TMasterForm.h"
#include "app/DateText.h"
#include "bench/LargeDataFiles.h"
#include "bench/RatioReporter.h"

#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <memory>
#include <string>
#include <vector>

// The main window with the largest data the files can hold: start-up, the
// "Your Tickets" page, the result sheet and one draw step, each against a
// baseline timed in the same run. Run on a release build, for example:
//   build/release/bench/gui_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only

namespace {

using master::TMasterForm;

// The generated files and one main window over them, made before any timing
// and gone before the application object.
class GuiData {
public:
    GuiData() : files_(std::filesystem::path(directory_.path().toStdString())) {
        files_.Generate();
        paths_ = {QString::fromStdString(files_.TicketFile().string()),
                  QString::fromStdString(files_.FullHistoryFile().string())};
        platform_.today = app::DateText::ToQDate(bench::LargeDataFiles::Today());
        form_ = std::make_unique<TMasterForm>(platform_, paths_, false);
        form_->show();
        instance_ = this;
    }
    ~GuiData() { instance_ = nullptr; }

    static GuiData& Instance() { return *instance_; }

    TMasterForm& Form() { return *form_; }
    std::string TicketFile() const { return paths_.ticketFilePath.toStdString(); }
    std::string HistoryFile() const { return paths_.historyFilePath.toStdString(); }

private:
    static inline GuiData* instance_ = nullptr;
    QTemporaryDir directory_;
    bench::LargeDataFiles files_;
    app::DataFilePaths paths_;
    testsupport::FakePlatform platform_;
    std::unique_ptr<TMasterForm> form_;
};

extern "C" char** environ;

// Shows the window's current page as the user would first see it.
void Paint(QWidget& window) {
    benchmark::DoNotOptimize(window.grab());
}

// A whole start-up, process and all, run by the probe beside this program.
void RunProbe(benchmark::State& state, std::vector<std::string> arguments) {
    const std::string probe = QCoreApplication::applicationDirPath().toStdString() + "/startup_probe";
    arguments.insert(arguments.begin(), probe);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, probe.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("the start-up probe cannot be started");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the start-up probe failed");
    }
}

void EmptyWindowStartUp(benchmark::State& state) {
    RunProbe(state, {"empty"});
}

void TextWindowStartUp(benchmark::State& state) {
    RunProbe(state, {"text"});
}

void StartUp(benchmark::State& state) {
    RunProbe(state, {"tallimo", GuiData::Instance().TicketFile(), GuiData::Instance().HistoryFile()});
}

// The page is painted as the user sees it, with its rows: the list is filled
// once before the timing, as entering the page fills it.
void TicketRowsAlone(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    form.Tickets()->FillTicketsList();
    form.ShowPage(TMasterForm::TicketsPageIndex);
    for (auto _ : state) {
        benchmark::DoNotOptimize(form.Lottery().FillTicketRows().data());
        Paint(form);
    }
    form.ShowPage(TMasterForm::MainPageIndex);
}

void EnterYourTickets(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    for (auto _ : state) {
        form.Main()->BitBtn1()->click();
        Paint(form);
        state.PauseTiming();
        form.ShowPage(TMasterForm::MainPageIndex);
        state.ResumeTiming();
    }
}

// The latest draw of the history, recorded in the generated file.
const lottery::THistoryLine& LatestDraw(TMasterForm& form) {
    master::HistoryPage& history = *form.History();
    history.FillHistoryPage();
    return *history.SelectedDrawResult();
}

void CheckRowsAlone(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    const lottery::THistoryLine& draw = LatestDraw(form);
    form.ResultSheet()->MoveToDraw(0);
    const bool validOnly = form.ResultSheet()->ValidOnlyFilter();
    for (auto _ : state) {
        benchmark::DoNotOptimize(form.Lottery().FillCheckRows(draw, validOnly).data());
        Paint(form);
    }
}

void ShowResultSheet(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    LatestDraw(form);
    for (auto _ : state) {
        form.ResultSheet()->MoveToDraw(0);
        Paint(form);
    }
    state.counters["rows"] = form.ResultSheet()->Rows().rowCount();
}

void StepOneDraw(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    LatestDraw(form);
    form.ResultSheet()->MoveToDraw(0);
    for (auto _ : state) {
        form.ResultSheet()->DrawDown()->click();
        Paint(form);
        state.PauseTiming();
        form.ResultSheet()->MoveToDraw(+1);
        state.ResumeTiming();
    }
}

// Each start-up is timed on its own and its benchmark stands for the median
// one. On a shared machine some starts run far slower than the rest; a mean
// follows how many of those each benchmark happened to meet.
void TimedOneByOne(benchmark::internal::Benchmark* startUp) {
    constexpr int kStartUps = 41;
    startUp->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kStartUps)->ReportAggregatesOnly();
}

}  // namespace

BENCHMARK(EmptyWindowStartUp)->Apply(TimedOneByOne);
BENCHMARK(TextWindowStartUp)->Apply(TimedOneByOne);
BENCHMARK(StartUp)->Apply(TimedOneByOne);
BENCHMARK(TicketRowsAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(EnterYourTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckRowsAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowResultSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(StepOneDraw)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // The benchmarks' runs are taken in random turns unless asked otherwise,
    // so that what the machine does meanwhile, such as writing out the
    // generated files, falls on the start-ups and their baselines alike.
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1, interleaving.data());
    int argumentCount = static_cast<int>(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(argumentCount, arguments.data())) return 1;
    const GuiData data;
    bench::RatioReporter reporter({
        {"StartUp", "EmptyWindowStartUp", 1.5},
        // For information: the program's own share of start-up, over the
        // least that any window showing words costs.
        {"StartUp", "TextWindowStartUp", 0},
        {"EnterYourTickets", "TicketRowsAlone", 2},
        {"ShowResultSheet", "CheckRowsAlone", 2},
        {"StepOneDraw", "CheckRowsAlone", 2},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
