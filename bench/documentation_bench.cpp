// The documentation of the largest device the configurator makes (three measuring modules, the Purgon
// controller, the calculation blocks it offers): building the table and laying out the pages, writing
// those pages as PDF with our own writer, and writing the same pages through QPdfWriter with the painter
// canvas. After the runs the time and size ratios of the two writers are printed.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <cstdio>

#include "core/documentation/pdf_writer.h"
#include "core/documentation/report_pages.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/documentation/report_printer.h"

#include "largest_device.h"
#include "ratio_reporter.h"

namespace {

using namespace tessalin;

using bench::ConfigureLargestDevice;

std::vector<PageDescription> Pages() { return LayOutReport(CollectReportContent(DocDate{2006, 3, 6})); }

std::size_t gOwnBytes = 0;
std::size_t gQtBytes = 0;

void BM_TableAndPages(benchmark::State& state) {
    ConfigureLargestDevice();
    std::size_t rows = 0;
    for (auto _ : state) {
        const ReportContent content = CollectReportContent(DocDate{2006, 3, 6});
        rows = content.table.rows.size();
        benchmark::DoNotOptimize(LayOutReport(content));
    }
    state.counters["rows"] = static_cast<double>(rows);
    const TDevice& d = Ws().Device;
    int units = (d.Purgon.TypeCode != 0) + (d.CalcBlock[0].Code != 0) + (d.CalcBlock[1].Code != 0);
    for (const TIdInfo_h& slot : d.Slot) units += slot.Code != 0;
    state.counters["modules"] = units;  // slots, Purgon controller and calculation blocks configured
}
BENCHMARK(BM_TableAndPages)->Unit(benchmark::kMillisecond);

void BM_OwnPdfWriter(benchmark::State& state) {
    ConfigureLargestDevice();
    const std::vector<PageDescription> pages = Pages();
    PdfInfo info;
    for (auto _ : state) {
        const std::string bytes = PdfDocument(pages, info);
        gOwnBytes = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["bytes"] = static_cast<double>(gOwnBytes);
}
BENCHMARK(BM_OwnPdfWriter)->Unit(benchmark::kMillisecond);

void BM_QPdfWriter(benchmark::State& state) {
    ConfigureLargestDevice();
    const std::vector<PageDescription> pages = Pages();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF());
            writer.setTitle("Zandor");
            writer.setCreator("Zandor - Programming- and Documentation Tool");
            gui::PaintReport(writer, pages);
        }
        gQtBytes = static_cast<std::size_t>(buffer.size());
    }
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["bytes"] = static_cast<double>(gQtBytes);
}
BENCHMARK(BM_QPdfWriter)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const double ratio = reporter.Ratio("BM_OwnPdfWriter", "BM_QPdfWriter"); ratio > 0)
        std::printf("own PDF writer / QPdfWriter: time %.3f", ratio);
    if (gQtBytes > 0) std::printf(", size %.3f (%zu / %zu bytes)", double(gOwnBytes) / gQtBytes, gOwnBytes, gQtBytes);
    std::printf("\n");
    benchmark::Shutdown();
    return 0;
}
