// Finding a parameter in the largest device the configurator makes (three measuring modules, the Purgon
// controller, the calculation blocks it offers): a text found on many pages and one found nowhere, each a
// walk over every page the device shows, in German device texts and parameter set A.
#include <benchmark/benchmark.h>

#include "core/find/find.h"
#include "core/workspace.h"

#include "largest_device.h"

namespace {

using namespace tessalin;

void BM_Find(benchmark::State& state, const char* text) {
    bench::ConfigureLargestDevice();
    std::size_t hits = 0;
    for (auto _ : state) {
        const std::vector<FindHit> found = FindInDataSet(text);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["nodes"] = static_cast<double>(Ws().Tree.nodes.size());
}
BENCHMARK_CAPTURE(BM_Find, many_hits, "temp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Find, no_hit, "xyzzy")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
