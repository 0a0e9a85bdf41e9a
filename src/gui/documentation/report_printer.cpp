#include "gui/documentation/report_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "gui/documentation/painter_canvas.h"

namespace tessalin::gui {

void PrepareReportPrinter(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    printer.setDocName("Zandor");
}

bool PaintReport(QPagedPaintDevice& device, const std::vector<PageDescription>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double unitsPerPoint = device.logicalDpiX() / 72.0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        PainterCanvas canvas(painter, unitsPerPoint, kA4Width, kA4Height);
        pages[i].Replay(canvas);
    }
    return painter.end();
}

}  // namespace tessalin::gui
