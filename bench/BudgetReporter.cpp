#include "bench/BudgetReporter.h"

#include <cstdio>

namespace bench {

void TimedOneByOne(benchmark::internal::Benchmark* operation, int repetitions) {
    operation->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions)->ReportAggregatesOnly();
}

void PrintBudgetTable(const std::vector<BudgetLine>& lines) {
    std::printf("%-26s %12s %12s %8s  %-6s %9s\n", "operation", "measured", "budget", "of it", "result",
                "cpu");
    for (const BudgetLine& line : lines) {
        if (line.failed) {
            std::printf("%-26s %12s %12s %8s  FAILED\n", line.operation.c_str(), "-", "-", "-");
            continue;
        }
        std::printf("%-26s %9.1f %-2s %9.1f %-2s %7.0f%%  %-6s", line.operation.c_str(), line.measured, line.unit,
                    line.budget, line.unit, 100 * line.measured / line.budget,
                    line.measured <= line.budget ? "pass" : "MISS");
        if (line.cpu)
            std::printf(" %6.1f %-2s", *line.cpu, line.unit);
        else
            std::printf(" %9s", "-");
        if (!line.note.empty()) std::printf("  (%s)", line.note.c_str());
        std::printf("\n");
    }
}

BudgetReporter::BudgetReporter(std::vector<Budget> budgets) : budgets_(std::move(budgets)) {}

void BudgetReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the operation; without, its one run.
    for (const Run& run : runs) {
        const std::string& name = run.run_name.function_name;
        if (run.error_occurred) {
            failed_.insert(name);
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (median || (run.run_type == Run::RT_Iteration && !medians_.contains(name))) {
            const double iterations = static_cast<double>(run.iterations);
            const auto childCpu = run.counters.find(kChildCpuCounter);
            times_[name] = {1e3 * run.real_accumulated_time / iterations,
                            childCpu != run.counters.end() ? childCpu->second.value
                                                           : 1e3 * run.cpu_accumulated_time / iterations};
        }
        if (median) medians_.insert(name);
    }
}

std::optional<BudgetLine> BudgetReporter::LineFor(const Budget& budget) const {
    BudgetLine line;
    line.operation = budget.operation;
    if (failed_.contains(budget.operation) || failed_.contains(budget.baseline)) {
        line.failed = true;
        return line;
    }
    const auto measured = times_.find(budget.operation);
    if (measured == times_.end()) return std::nullopt;  // left out of this run
    line.measured = measured->second.real;
    line.cpu = measured->second.cpu;
    line.budget = budget.limit;
    if (budget.baseline.empty()) return line;
    const auto baseline = times_.find(budget.baseline);
    if (baseline == times_.end()) return std::nullopt;
    line.budget = budget.limit * baseline->second.real;
    char note[160];
    std::snprintf(note, sizeof note, "%g x %s, %.1f ms, cpu %.1f ms", budget.limit, budget.baseline.c_str(),
                  baseline->second.real, baseline->second.cpu);
    line.note = note;
    return line;
}

void BudgetReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nBudgets: the median real (wall-clock) time of each operation, its median CPU time beside it\n");
    std::vector<BudgetLine> lines;
    for (const Budget& budget : budgets_)
        if (const std::optional<BudgetLine> line = LineFor(budget)) lines.push_back(*line);
    PrintBudgetTable(lines);
}

}  // namespace bench
