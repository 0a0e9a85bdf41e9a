// The data-set check of the largest device the configurator can make (the one with the most tree nodes
// among every offered module on every front and software version): every page in both sets, the identity
// and the Purgon programs.
#include <benchmark/benchmark.h>

#include <string>

#include "core/check/check.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/offered_devices.h"

namespace {

using namespace tessalin;

struct Largest {
    int front = 2;
    char major = '9';
    int module = 0;
};

Largest FindLargest() {
    Largest best;
    std::size_t most = 0;
    for (int front : {2, 17})
        for (char major : test::kOfferedMajors)
            for (int module : test::OfferableModules()) {
                if (!test::ConfigureOffered(front, major, module)) continue;
                SelectLanguage(1);
                BuildDeviceTree();
                if (Ws().Tree.nodes.size() > most) {
                    most = Ws().Tree.nodes.size();
                    best = {front, major, module};
                }
            }
    return best;
}

void BM_CheckLargestDevice(benchmark::State& state) {
    static const Largest largest = FindLargest();
    test::ConfigureOffered(largest.front, largest.major, largest.module);
    SelectLanguage(1);
    BuildDeviceTree();
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto found = check::CheckDataSet();
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["nodes"] = static_cast<double>(Ws().Tree.nodes.size());
    state.counters["findings"] = static_cast<double>(findings);
    state.SetLabel("front " + std::to_string(largest.front) + " software " + largest.major + " module " +
                   std::to_string(largest.module));
}
BENCHMARK(BM_CheckLargestDevice)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
