// The parameter page as widgets, on the page whose model the largest device builds slowest: from the page
// model to the laid-out controls in the main window's page frame, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <memory>

#include "core/page/formpage.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "gui/common/prompter.h"
#include "gui/page/child_form.h"
#include "gui/page/form_page.h"
#include "gui/page/page_controls.h"
#include "gui/page/param_page_frame.h"

#include "largest_devices.h"
#include "ratio_reporter.h"
#include "slowest_page.h"

namespace {

using namespace tessalin;

bench::MeasuredPage gSlowest;

void BM_SlowestPageWidget(benchmark::State& state) {
    bench::InstallDevice(bench::LargestDevices().front());
    SelectLanguage(0);  // as the page models are measured, so that the same page comes out slowest
    if (!BuildDeviceTree()) return state.SkipWithError("tree not built");
    int pages = 0;
    gSlowest = bench::SlowestPage(pages);

    QWidget host;
    host.resize(520, 700);
    const gui::ParamPageFrame frame = gui::MakeParamPageFrame(&host, gui::page_layout::kX0);
    gui::QtPrompter prompter;
    gui::TChildForm childForm;
    gui::FormPage page(frame, prompter, childForm);
    host.show();
    QApplication::processEvents();
    for (auto _ : state) {
        Ws().CurrentPage = gSlowest.page;
        page.Rebuild();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    state.counters["rows"] = static_cast<double>(page.Model().rows.size());
}
BENCHMARK(BM_SlowestPageWidget)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const double seconds = reporter.Median("BM_SlowestPageWidget"); seconds > 0) {
        std::printf("slowest page as widgets: node %s \"%s\", %zu rows\n", gSlowest.path.c_str(),
                    gSlowest.page.title.c_str(), gSlowest.rows);
        PrintFigure("page widget of the slowest page (" + std::to_string(gSlowest.rows) + " rows)", seconds * 1e3, "ms",
                    5);
    }
    benchmark::Shutdown();
    return 0;
}
