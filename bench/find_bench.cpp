// Finding a parameter in the largest devices the configurator makes: a text found on many pages and one
// found nowhere, each a walk over every page the device shows, in German device texts and parameter set A.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/find/find.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

#include "largest_devices.h"
#include "ratio_reporter.h"

namespace {

using namespace tessalin;

void BM_Find(benchmark::State& state, const char* text) {
    bench::InstallDevice(bench::LargestDevices().front());
    SelectLanguage(0);
    if (!BuildDeviceTree()) return state.SkipWithError("tree not built");
    std::size_t hits = 0;
    for (auto _ : state) {
        const std::vector<FindHit> found = FindInDataSet(text);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["nodes"] = static_cast<double>(Ws().Tree.nodes.size());
}
BENCHMARK_CAPTURE(BM_Find, many_hits, "temp")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Find, no_hit, "xyzzy")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunWithFigure(argc, argv, "BM_Find/many_hits", "find over every page of the largest device", 50);
}
