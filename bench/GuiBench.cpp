#include "FakePlatform.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/ImportPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/RowListView.h"
#include "Master/StatisticsWindow.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "app/DateText.h"
#include "bench/BudgetReporter.h"
#include "bench/ClockReading.h"
#include "bench/LargeDataFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <memory>
#include <string>
#include <vector>

// The main window with the largest data the files can hold: start-up, each
// page's first showing, and what the user repeats (switching pages, stepping
// through the draws on the result sheet, scrolling a list by a page), each
// against its budget, printed at the end. Run on a release build:
//   build/release/bench/gui_bench

namespace {

using master::TMasterForm;

// Shows the window's current page as the user would see it.
void Paint(QWidget& window) {
    benchmark::DoNotOptimize(window.grab());
}

// The generated files, and one main window over them for the operations a
// user repeats, made before any timing and gone before the application
// object.
class GuiData {
public:
    GuiData() : files_(std::filesystem::path(directory_.path().toStdString())) {
        files_.Generate();
        paths_ = {QString::fromStdString(files_.TicketFile().string()),
                  QString::fromStdString(files_.FullHistoryFile().string())};
        platform_.today = app::DateText::ToQDate(bench::LargeDataFiles::Today());
        form_ = NewWindow();
        ShowEveryBoardOnResultSheets();
        instance_ = this;
    }
    ~GuiData() { instance_ = nullptr; }

    static GuiData& Instance() { return *instance_; }

    // A window as the program shows it at start-up; dropped without closing,
    // so nothing is written back.
    std::unique_ptr<TMasterForm> NewWindow() {
        auto form = std::make_unique<TMasterForm>(platform_, paths_, false);
        form->show();
        Paint(*form);
        return form;
    }
    TMasterForm& Form() { return *form_; }
    std::string TicketFile() const { return paths_.ticketFilePath.toStdString(); }
    std::string HistoryFile() const { return paths_.historyFilePath.toStdString(); }
    std::string MissingFile(const char* name) const { return directory_.filePath(name).toStdString(); }

private:
    // The stored option, which every window after this one takes, is turned
    // off: the sheet of every board is the largest one the user can ask for.
    void ShowEveryBoardOnResultSheets() {
        form_->Main()->BitBtn3()->click();
        form_->History()->Button16()->click();
        if (form_->ResultSheet()->ValidOnly()->isChecked()) form_->ResultSheet()->ValidOnly()->click();
        form_->ShowPage(TMasterForm::MainPageIndex);
    }

    static inline GuiData* instance_ = nullptr;
    QTemporaryDir directory_;
    bench::LargeDataFiles files_;
    app::DataFilePaths paths_;
    testsupport::FakePlatform platform_;
    std::unique_ptr<TMasterForm> form_;
};

extern "C" char** environ;

// What the probe prints once the window is shown: that moment and its CPU
// time by then, in nanoseconds. Empty when it printed nothing.
std::string ProbeOutput(int from) {
    std::string output;
    char chunk[256];
    for (ssize_t got; (got = read(from, chunk, sizeof chunk)) > 0;) output.append(chunk, static_cast<std::size_t>(got));
    return output;
}

// A whole start-up, process and all, run by the probe beside this program
// over the given ticket and history files, timed from the spawn to the main
// window shown.
void RunProbe(benchmark::State& state, std::string ticketFile, std::string historyFile) {
    std::string probe = QCoreApplication::applicationDirPath().toStdString() + "/startup_probe";
    char* argv[] = {probe.data(), ticketFile.data(), historyFile.data(), nullptr};
    double cpuMilliseconds = 0;
    for (auto _ : state) {
        int output[2];
        if (pipe(output) != 0) return state.SkipWithError("no pipe for the start-up probe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        const long long spawned = bench::Nanoseconds(CLOCK_MONOTONIC);
        pid_t child = 0;
        const bool started = posix_spawn(&child, probe.c_str(), &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);
        const std::string printed = started ? ProbeOutput(output[0]) : std::string();
        close(output[0]);
        int status = 0;
        if (started) waitpid(child, &status, 0);
        long long shown = 0;
        long long cpu = 0;
        if (!started || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
            std::sscanf(printed.c_str(), "%lld %lld", &shown, &cpu) != 2)
            return state.SkipWithError("the start-up probe failed");
        state.SetIterationTime(static_cast<double>(shown - spawned) / 1e9);
        cpuMilliseconds += static_cast<double>(cpu) / 1e6;
    }
    state.counters[bench::kChildCpuCounter] = benchmark::Counter(cpuMilliseconds, benchmark::Counter::kAvgIterations);
}

void StartUp(benchmark::State& state) {
    RunProbe(state, GuiData::Instance().TicketFile(), GuiData::Instance().HistoryFile());
}

void StartUpNoData(benchmark::State& state) {
    RunProbe(state, GuiData::Instance().MissingFile("none.TKT"), GuiData::Instance().MissingFile("none.HST"));
}

// A page's first showing, in a window just started: getThere (untimed)
// leads to the page the click starts from. Returns the window.
std::unique_ptr<TMasterForm> FirstShowing(benchmark::State& state, QPushButton* (*click)(TMasterForm&),
                                          void (*getThere)(TMasterForm&) = nullptr) {
    std::unique_ptr<TMasterForm> form = GuiData::Instance().NewWindow();
    if (getThere) {
        getThere(*form);
        Paint(*form);
    }
    QPushButton* button = click(*form);
    for (auto _ : state) {
        button->click();
        Paint(*form);
    }
    return form;
}

void CheckEveryBoardListed(benchmark::State& state, TMasterForm& form) {
    if (form.ResultSheet()->Rows().rowCount() != bench::LargeDataFiles::kBoards)
        state.SkipWithError("the result sheet does not list every board");
}

QPushButton* YourTicketsButton(TMasterForm& form) {
    return form.Main()->BitBtn1();
}
QPushButton* HaveYouWonButton(TMasterForm& form) {
    return form.Main()->BitBtn5();
}
QPushButton* LotteryHistoryButton(TMasterForm& form) {
    return form.Main()->BitBtn3();
}
QPushButton* ImportButton(TMasterForm& form) {
    return form.History()->Button15();
}
QPushButton* CheckButton(TMasterForm& form) {
    return form.History()->Button16();
}
void EnterHistory(TMasterForm& form) {
    form.Main()->BitBtn3()->click();
}

void FirstYourTickets(benchmark::State& state) {
    FirstShowing(state, YourTicketsButton);
}

// "Have you Won?": the latest draw's result, ready to edit.
void FirstEditResult(benchmark::State& state) {
    FirstShowing(state, HaveYouWonButton);
}

void FirstHistory(benchmark::State& state) {
    FirstShowing(state, LotteryHistoryButton);
}

void FirstImport(benchmark::State& state) {
    FirstShowing(state, ImportButton, EnterHistory);
}

// The latest draw's sheet of every board.
void FirstResultSheet(benchmark::State& state) {
    CheckEveryBoardListed(state, *FirstShowing(state, CheckButton, EnterHistory));
}

// The page is entered again from the main page, as the user comes back to it.
void SwitchFromMainPage(benchmark::State& state, QPushButton* (*click)(TMasterForm&)) {
    TMasterForm& form = GuiData::Instance().Form();
    click(form)->click();
    form.ShowPage(TMasterForm::MainPageIndex);
    Paint(form);
    for (auto _ : state) {
        click(form)->click();
        Paint(form);
    }
}

void SwitchToYourTickets(benchmark::State& state) {
    SwitchFromMainPage(state, YourTicketsButton);
}

void SwitchToHistory(benchmark::State& state) {
    SwitchFromMainPage(state, LotteryHistoryButton);
}

// The result sheet of the latest draw.
void ShowLatestResultSheet(TMasterForm& form) {
    EnterHistory(form);
    form.History()->Button16()->click();
    Paint(form);
}

// "Finish" on the result sheet, back to the history.
void LeaveResultSheet(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    ShowLatestResultSheet(form);
    for (auto _ : state) {
        form.ResultSheet()->Button17()->click();
        Paint(form);
    }
}

// One draw back from the latest on the sheet of every board.
void StepOneDraw(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    ShowLatestResultSheet(form);
    for (auto _ : state) {
        form.ResultSheet()->DrawDown()->click();
        Paint(form);
    }
    CheckEveryBoardListed(state, form);
}

// Page Down in a list showing its first rows.
void ScrollByPage(benchmark::State& state, TMasterForm& form, master::HeaderedList& list) {
    list.SelectRow(0);
    Paint(form);
    for (auto _ : state) {
        QTest::keyClick(list.List(), Qt::Key_PageDown);
        Paint(form);
    }
}

void ScrollYourTickets(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    form.Main()->BitBtn1()->click();
    ScrollByPage(state, form, *form.Tickets()->LinesList());
}

void ScrollHistory(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    EnterHistory(form);
    ScrollByPage(state, form, *form.History()->HistoryList());
}

void ScrollResultSheet(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    ShowLatestResultSheet(form);
    ScrollByPage(state, form, *form.ResultSheet()->CheckList());
}

// The statistics of every recorded draw, counted again and both charts
// drawn, as the window does when its range changes.
void RecountStatistics(benchmark::State& state) {
    TMasterForm& form = GuiData::Instance().Form();
    master::StatisticsWindow window(form.Context(), form.Lottery().DrawHistory(), &form);
    window.show();
    Paint(window);
    for (auto _ : state) {
        window.Recount();
        Paint(window);
    }
    if (!window.Statistics() || window.Statistics()->RecordedDraws() == 0) state.SkipWithError("no draw was counted");
}

void StartUps(benchmark::internal::Benchmark* startUp) {
    bench::TimedOneByOne(startUp, 41);
    startUp->UseManualTime();
}

void Operations(benchmark::internal::Benchmark* operation) {
    bench::TimedOneByOne(operation, 21);
}

}  // namespace

BENCHMARK(StartUp)->Apply(StartUps);
BENCHMARK(StartUpNoData)->Apply(StartUps);
BENCHMARK(FirstYourTickets)->Apply(Operations);
BENCHMARK(FirstEditResult)->Apply(Operations);
BENCHMARK(FirstHistory)->Apply(Operations);
BENCHMARK(FirstImport)->Apply(Operations);
BENCHMARK(FirstResultSheet)->Apply(Operations);
BENCHMARK(SwitchToYourTickets)->Apply(Operations);
BENCHMARK(SwitchToHistory)->Apply(Operations);
BENCHMARK(LeaveResultSheet)->Apply(Operations);
BENCHMARK(StepOneDraw)->Apply(Operations);
BENCHMARK(ScrollYourTickets)->Apply(Operations);
BENCHMARK(ScrollHistory)->Apply(Operations);
BENCHMARK(ScrollResultSheet)->Apply(Operations);
BENCHMARK(RecountStatistics)->Apply(Operations);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // The runs are taken in random turns unless asked otherwise, so that what
    // the machine does meanwhile falls on the start-ups with and without
    // data alike.
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1, interleaving.data());
    int argumentCount = static_cast<int>(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(argumentCount, arguments.data())) return 1;
    const GuiData data;
    constexpr double kFirstShowing = 100;
    constexpr double kRepeated = 16;
    bench::BudgetReporter reporter({
        {"StartUp", 1.5, "StartUpNoData"},
        {"FirstYourTickets", kFirstShowing},
        {"FirstEditResult", kFirstShowing},
        {"FirstHistory", kFirstShowing},
        {"FirstImport", kFirstShowing},
        {"FirstResultSheet", kFirstShowing},
        {"SwitchToYourTickets", kRepeated},
        {"SwitchToHistory", kRepeated},
        {"LeaveResultSheet", kRepeated},
        {"StepOneDraw", kRepeated},
        {"ScrollYourTickets", kRepeated},
        {"ScrollHistory", kRepeated},
        {"ScrollResultSheet", kRepeated},
        {"RecountStatistics", kRepeated},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
