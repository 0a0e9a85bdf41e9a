// The data-set check of the largest devices the configurator makes: every page in both sets, the identity
// and the Purgon programs.
#include <benchmark/benchmark.h>

#include "core/check/check.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

#include "largest_devices.h"
#include "ratio_reporter.h"

namespace {

using namespace tessalin;

void BM_CheckLargestDevice(benchmark::State& state) {
    bench::InstallDevice(bench::LargestDevices().front());
    SelectLanguage(1);
    if (!BuildDeviceTree()) return state.SkipWithError("tree not built");
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto found = check::CheckDataSet();
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["nodes"] = static_cast<double>(Ws().Tree.nodes.size());
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckLargestDevice)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunWithFigure(argc, argv, "BM_CheckLargestDevice", "check of the largest device", 20);
}
