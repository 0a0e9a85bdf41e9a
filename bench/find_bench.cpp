// Finding a parameter in the largest device the configurator makes (three measuring modules, the Purgon
// controller, the calculation blocks it offers): a text found on many pages and one found nowhere, each a
// walk over every page the device shows, in German device texts and parameter set A.
#include <benchmark/benchmark.h>

#include "core/configurator/configurator.h"
#include "core/find/find.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace {

using namespace tessalin;

void MakeLargestDevice() {
    ResetWorkspace();
    configurator::Configurator config;
    config.addCode(2);
    config.setVersion('9');
    config.addCode(1);
    for (int code : {4, 5, 79, 10, 128, 129}) config.addCode(code);  // what is not offered is left out
    config.commit();
    SelectLanguage(0);
    BuildDeviceTree();
}

void BM_Find(benchmark::State& state, const char* text) {
    MakeLargestDevice();
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
