// Loading a data set with three modules and a Purgon image, decoding it and building the device tree,
// beside the floor of reading the same two files and computing their checksums; and the page model of the
// largest page of the catalogue. The ratio of the first two is printed after the runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/data_set/checksum.h"
#include "core/device/load_data_set.h"
#include "core/page/formpage.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/image_builder.h"

#include "ratio_reporter.h"

namespace {

using namespace tessalin;

struct DataSetFiles {
    test::TempDir dir;
    std::pair<std::string, std::string> paths;

    DataSetFiles() {
        test::ImageBuilder b;
        b.base(1);
        const uint8_t codes[3] = {4, 5, 8};  // pH, conductivity, output module
        const uint8_t hwIds[3] = {8, 8, 8};
        for (int s = 0; s < 3; ++s) {
            b.slot(s, codes[s], static_cast<uint8_t>(s), static_cast<uint8_t>(1 << s));
            b.record(s, {.hwId = hwIds[s], .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 1234});
        }
        b.purgon();
        paths = b.writeFiles(dir);
    }
};

const DataSetFiles& Files() {
    static DataSetFiles files;
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
    const auto& [front, purgon] = Files().paths;
    for (auto _ : state) {
        const std::vector<uint8_t> f = ReadFile(front);
        const std::vector<uint8_t> p = ReadFile(purgon);
        uint16_t crc = Crc16Kermit(std::span(f).subspan(2)) ^ Crc16Kermit(std::span(p).subspan(2));
        benchmark::DoNotOptimize(crc);
    }
}
BENCHMARK(BM_ReadAndChecksumFloor);

void BM_LoadDecodeTree(benchmark::State& state) {
    const auto& [front, purgon] = Files().paths;
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
BENCHMARK(BM_LoadDecodeTree);

// The page of the loaded data set's tree that shows the most rows.
TTabPtrRec LargestShownPage(std::size_t& rows) {
    TTabPtrRec best;
    rows = 0;
    for (int id : NodesInOrder()) {
        if (Ws().Tree.nodes[id].level == 0) continue;
        DeviceTreeChange(id);
        const std::size_t shown = BuildFormpage().rows.size();
        if (shown > rows) {
            rows = shown;
            best = Ws().CurrentPage;
        }
    }
    return best;
}

void BM_LargestPageModel(benchmark::State& state) {
    const auto& [front, purgon] = Files().paths;
    ResetWorkspace();
    if (!LoadDataSet(front, purgon).ok() || !BuildDeviceTree()) {
        state.SkipWithError("data set refused");
        return;
    }
    std::size_t rows = 0;
    const TTabPtrRec page = LargestShownPage(rows);
    for (auto _ : state) {
        Ws().CurrentPage = page;
        benchmark::DoNotOptimize(BuildFormpage());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_LargestPageModel);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const double ratio = reporter.Ratio("BM_LoadDecodeTree", "BM_ReadAndChecksumFloor"); ratio > 0)
        std::printf("load + decode + tree / read + checksum floor: %.2f\n", ratio);
    benchmark::Shutdown();
    return 0;
}
