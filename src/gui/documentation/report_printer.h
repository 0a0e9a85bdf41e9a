#pragma once
// Prints report pages: each page description drawn through the painter canvas, page by page, on the
// whole A4 sheet (the pages carry their own margins).

#include <vector>

#include "core/documentation/page_description.h"

class QPagedPaintDevice;
class QPrinter;

namespace tessalin::gui {

// Sets the printer up for the report: A4 portrait, full page, the document name.
void PrepareReportPrinter(QPrinter& printer);

// Draws the pages on a paged device (a printer or a PDF writer); false when painting cannot start.
bool PaintReport(QPagedPaintDevice& device, const std::vector<PageDescription>& pages);

}  // namespace tessalin::gui
