#pragma once
// The three ways the documentation of the loaded parameter set leaves the tool, as the window and the
// command-line tool start them: each builds the documentation table anew from the device tree of the
// workspace, for the active parameter set. A table error is a RangeError; a file that cannot be written
// is false with the message in `error`.

#include <string>
#include <vector>

#include "core/documentation/page_description.h"

namespace tessalin {

// The report pages dated today.
std::vector<PageDescription> ReportPagesToday();

// Writes the report pages as a PDF file; `pages` receives their number.
bool ExportPdf(const std::string& path, std::string& error, int* pages = nullptr);

// Writes the documentation table as a workbook.
bool ExportXlsx(const std::string& path, std::string& error);

}  // namespace tessalin
