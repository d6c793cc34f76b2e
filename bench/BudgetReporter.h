#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace bench {

// Each repetition times the operation once, as the user meets it, and the
// median of the repetitions stands for it: on a shared machine some runs
// are far slower than the rest, and a mean follows how many of those each
// operation happened to meet.
void TimedOneByOne(benchmark::internal::Benchmark* operation, int repetitions);

// A benchmark whose work runs in another process gives that process's CPU
// time in milliseconds under this counter, averaged over the iterations.
inline constexpr const char* kChildCpuCounter = "child_cpu_ms";

// One line of a budget table.
struct BudgetLine {
    std::string operation;
    double measured = 0;
    double budget = 0;
    // On a busy machine the real time includes waiting for a processor; the
    // CPU time shows the operation's own work.
    std::optional<double> cpu;
    const char* unit = "ms";
    std::string note;     // how the budget was reached, when not a fixed figure
    bool failed = false;  // the operation went wrong: nothing worth judging was measured
};

// Prints the lines as a table with "pass" or "MISS" on each.
void PrintBudgetTable(const std::vector<BudgetLine>& lines);

// The console report, then the budget table: each operation's median real
// (wall-clock) time against its budget, with its median CPU time beside it.
class BudgetReporter : public benchmark::ConsoleReporter {
public:
    struct Budget {
        std::string operation;  // the benchmark's name
        double limit;           // milliseconds, or with a baseline a factor of its time
        std::string baseline = {};
    };

    explicit BudgetReporter(std::vector<Budget> budgets);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    // Nothing for an operation or baseline left out of the run.
    std::optional<BudgetLine> LineFor(const Budget& budget) const;

    std::vector<Budget> budgets_;
    struct Milliseconds {
        double real;
        double cpu;
    };

    std::map<std::string, Milliseconds> times_;
    std::set<std::string> medians_;
    std::set<std::string> failed_;
};

}  // namespace bench
