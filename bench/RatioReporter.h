#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace bench {

// The console report, followed by each target as the ratio of two
// benchmarks' times from the same run (their medians when repeated).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Target {
        std::string measured;
        std::string baseline;
        double limit;  // 0: shown for information, no target
    };

    explicit RatioReporter(std::vector<Target> targets);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Seconds {
        double real;
        double cpu;
    };

    std::vector<Target> targets_;
    std::map<std::string, Seconds> times_;
    std::set<std::string> medians_;
};

}  // namespace bench
