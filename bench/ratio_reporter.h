#pragma once
// A console reporter that also keeps the real time per iteration of every run by name, so that a
// benchmark program can print the ratios of its runs after them.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred) times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // The ratio of two runs' times, 0 when either is missing.
    double Ratio(const std::string& numerator, const std::string& denominator) const {
        const auto n = times.find(numerator), d = times.find(denominator);
        return n == times.end() || d == times.end() || d->second <= 0 ? 0 : n->second / d->second;
    }
    std::map<std::string, double> times;
};
