#pragma once
// The PDF report of the loaded parameter set in one call, as the command-line tool writes it: the
// documentation table built anew from the device tree of the workspace for the active parameter set, the
// pages dated today. A table error is a RangeError.

#include <string>

namespace tessalin {

// Writes the report as a PDF file; false with the message in `error` when it cannot be written. `pages`
// receives the number of pages. With `withFindings` the table ends with the findings of the data-set check.
bool ExportPdf(const std::string& path, std::string& error, int* pages = nullptr, bool withFindings = false);

}  // namespace tessalin
