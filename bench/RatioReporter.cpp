#include "bench/RatioReporter.h"

#include <cstdio>

namespace bench {

RatioReporter::RatioReporter(std::vector<Target> targets) : targets_(std::move(targets)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark; without, its one run.
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const std::string& name = run.run_name.function_name;
        if (median || (run.run_type == Run::RT_Iteration && !medians_.contains(name))) {
            const double iterations = static_cast<double>(run.iterations);
            times_[name] = {run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations};
        }
        if (median) medians_.insert(name);
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nRatios of real (wall-clock) times; CPU-time ratios alongside.\n");
    std::printf("%-20s %-22s %9s %9s %7s %7s %7s\n", "operation", "baseline", "op ms", "base ms", "ratio",
                "cpu", "target");
    for (const Target& target : targets_) {
        const auto measured = times_.find(target.measured);
        const auto baseline = times_.find(target.baseline);
        if (measured == times_.end() || baseline == times_.end()) continue;
        const double ratio = measured->second.real / baseline->second.real;
        const double cpuRatio = measured->second.cpu / baseline->second.cpu;
        std::printf("%-20s %-22s %9.3f %9.3f %7.2f %7.2f   ", target.measured.c_str(),
                    target.baseline.c_str(), measured->second.real * 1e3, baseline->second.real * 1e3, ratio,
                    cpuRatio);
        if (target.limit > 0)
            std::printf("<=%.0f %s\n", target.limit, ratio <= target.limit ? "met" : "MISSED");
        else
            std::printf("(information)\n");
    }
}

}  // namespace bench
