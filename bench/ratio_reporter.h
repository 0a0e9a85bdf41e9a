#pragma once
// A console reporter that also keeps the time of every run by name (in seconds per iteration; with
// repetitions the aggregates too, as "NAME_median"), so that a benchmark program can print the ratios of its
// runs after them; and the one line per figure that scripts/bench gathers into its table. The time kept is
// the CPU time of the benchmark's thread: every benchmark here runs on one thread, where it equals the wall
// time on an idle machine, and it stays so while other programs share the processor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred)
                times[Name(run)] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    // The median of a run's repetitions, or its one time; 0 when it is missing.
    double Median(const std::string& name) const {
        if (const auto it = times.find(name + "_median"); it != times.end()) return it->second;
        const auto it = times.find(name);
        return it == times.end() ? 0 : it->second;
    }
    // The ratio of two runs' medians, 0 when either is missing.
    double Ratio(const std::string& numerator, const std::string& denominator) const {
        const double n = Median(numerator), d = Median(denominator);
        return n <= 0 || d <= 0 ? 0 : n / d;
    }
    std::map<std::string, double> times;

private:
    // The benchmark's name with its arguments ("BM_LoadDecodeTree/0"), and "_median" and so on for the
    // aggregates of its repetitions.
    static std::string Name(const Run& run) {
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        if (run.run_type == Run::RT_Aggregate) name += "_" + run.aggregate_name;
        return name;
    }
};

// One figure for the table of scripts/bench: its name, the value measured, its unit ("x" for a ratio to a
// floor or a peer) and the goal it must stay below or at.
inline void PrintFigure(const std::string& name, double value, const std::string& unit, double goal) {
    std::printf("figure\t%s\t%.3g %s\t<= %.3g %s\t%.2f\t%s\n", name.c_str(), value, unit.c_str(), goal, unit.c_str(),
                value / goal, value <= goal ? "met" : "NOT MET");
    std::fflush(stdout);
}

// The main() of a benchmark program with one figure: runs every benchmark, then prints the figure of the
// run `run`'s median, in milliseconds, against `goalMs`.
inline int RunWithFigure(int argc, char** argv, const std::string& run, const std::string& figure, double goalMs) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const double seconds = reporter.Median(run); seconds > 0) PrintFigure(figure, seconds * 1e3, "ms", goalMs);
    benchmark::Shutdown();
    return 0;
}
