#include "bench/RatioReporter.h"

#include <cstdio>

namespace bench {

RatioReporter::RatioReporter(std::vector<Target> targets) : targets_(std::move(targets)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (!run.error_occurred && run.run_type == Run::RT_Iteration)
            secondsByName_[run.run_name.function_name] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-28s %-24s %12s %12s %7s %7s\n", "operation", "baseline", "op ms", "base ms", "ratio",
                "target");
    for (const Target& target : targets_) {
        const auto measured = secondsByName_.find(target.measured);
        const auto baseline = secondsByName_.find(target.baseline);
        if (measured == secondsByName_.end() || baseline == secondsByName_.end()) continue;
        const double ratio = measured->second / baseline->second;
        std::printf("%-28s %-24s %12.3f %12.3f %7.2f %5s%.0f %s\n", target.measured.c_str(),
                    target.baseline.c_str(), measured->second * 1e3, baseline->second * 1e3, ratio, "<=",
                    target.limit, ratio <= target.limit ? "met" : "MISSED");
    }
}

}  // namespace bench
