// The worst cases of opening a data set, on the largest devices the configurator makes (see
// largest_devices.h): loading, decoding and building the device tree beside the floor of reading the same
// files and computing their checksums; every page model of the largest device built once, and the page
// whose model takes longest. The ratios to the floor and the slowest page are printed after the runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/data_set/checksum.h"
#include "core/data_set/par_image.h"
#include "core/device/load_data_set.h"
#include "core/page/formpage.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/image_builder.h"

#include "largest_devices.h"
#include "ratio_reporter.h"
#include "slowest_page.h"

namespace {

using namespace tessalin;

struct DeviceFiles {
    test::TempDir dir;
    std::pair<std::string, std::string> paths;
    int nodes = 0;
};

// The files of each of the largest devices, written once.
std::vector<DeviceFiles>& Files() {
    static std::vector<DeviceFiles> files = [] {
        std::vector<DeviceFiles> all(bench::LargestDevices().size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i].paths = bench::WriteDevice(bench::LargestDevices()[i], all[i].dir.path().string());
            all[i].nodes = bench::LargestDevices()[i].nodes;
        }
        return all;
    }();
    return files;
}

// Reads a whole file at once, as the loader does.
std::vector<uint8_t> ReadFile(const std::string& path) {
    std::vector<uint8_t> bytes(kFrontSize);
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return {};
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    return bytes;
}

void BM_ReadAndChecksumFloor(benchmark::State& state) {
    const auto& [front, purgon] = Files()[state.range(0)].paths;
    for (auto _ : state) {
        const std::vector<uint8_t> f = ReadFile(front);
        uint16_t crc = Crc16Kermit(std::span(f).subspan(2));
        if (!purgon.empty()) {
            const std::vector<uint8_t> p = ReadFile(purgon);
            crc ^= Crc16Kermit(std::span(p).subspan(2));
        }
        benchmark::DoNotOptimize(crc);
    }
}

void BM_LoadDecodeTree(benchmark::State& state) {
    const auto& [front, purgon] = Files()[state.range(0)].paths;
    for (auto _ : state) {
        ResetWorkspace();
        const LoadResult loaded = LoadDataSet(front, purgon);
        if (!loaded.ok()) {
            state.SkipWithError("data set refused");
            break;
        }
        benchmark::DoNotOptimize(BuildDeviceTree());
    }
    state.counters["nodes"] = static_cast<double>(Ws().Tree.nodes.size());
}

bool LoadLargest() {
    ResetWorkspace();
    const auto& [front, purgon] = Files()[0].paths;
    return LoadDataSet(front, purgon).ok() && BuildDeviceTree();
}

// Every page of the largest device's tree, each built once per iteration.
void BM_EveryPageModel(benchmark::State& state) {
    if (!LoadLargest()) return state.SkipWithError("data set refused");
    std::vector<TTabPtrRec> pages;
    for (int node : NodesInOrder()) {
        if (Ws().Tree.nodes[node].record < 0 || Ws().Tree.nodes[node].level == 0) continue;
        DeviceTreeChange(node);
        if (!PageIsNil(Ws().CurrentPage)) pages.push_back(Ws().CurrentPage);
    }
    for (auto _ : state) {
        for (const TTabPtrRec& page : pages) {
            Ws().CurrentPage = page;
            benchmark::DoNotOptimize(BuildFormpage());
        }
    }
    state.counters["pages"] = static_cast<double>(pages.size());
}

bench::MeasuredPage gSlowest;

void BM_SlowestPageModel(benchmark::State& state) {
    if (!LoadLargest()) return state.SkipWithError("data set refused");
    int pages = 0;
    gSlowest = bench::SlowestPage(pages);
    for (auto _ : state) {
        Ws().CurrentPage = gSlowest.page;
        benchmark::DoNotOptimize(BuildFormpage());
    }
    state.counters["rows"] = static_cast<double>(gSlowest.rows);
    state.counters["pages"] = pages;
}

void Register() {
    for (std::size_t i = 0; i < Files().size(); ++i) {
        benchmark::RegisterBenchmark("BM_ReadAndChecksumFloor", BM_ReadAndChecksumFloor)
            ->Arg(static_cast<int64_t>(i))
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("BM_LoadDecodeTree", BM_LoadDecodeTree)
            ->Arg(static_cast<int64_t>(i))
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RegisterBenchmark("BM_EveryPageModel", BM_EveryPageModel)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_SlowestPageModel", BM_SlowestPageModel)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Register();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double worst = 0;
    for (std::size_t i = 0; i < Files().size(); ++i) {
        const std::string suffix = "/" + std::to_string(i);
        const double ratio = reporter.Ratio("BM_LoadDecodeTree" + suffix, "BM_ReadAndChecksumFloor" + suffix);
        std::printf("load + decode + tree / read + checksum floor, %d nodes (%s): %.2f\n", Files()[i].nodes,
                    bench::LargestDevices()[i].description.c_str(), ratio);
        worst = std::max(worst, ratio);
    }
    PrintFigure("load+decode+tree / read+CRC floor, largest devices", worst, "x", 1.5);
    if (const double seconds = reporter.Median("BM_SlowestPageModel"); seconds > 0) {
        std::printf("slowest page model: node %s \"%s\", %zu rows\n", gSlowest.path.c_str(),
                    gSlowest.page.title.c_str(), gSlowest.rows);
        PrintFigure("slowest page model (" + std::to_string(gSlowest.rows) + " rows)", seconds * 1e6, "us", 10);
    }
    benchmark::Shutdown();
    return 0;
}
