#include "core/documentation/exports.h"

#include <ctime>

#include "core/documentation/pdf_writer.h"
#include "core/documentation/report_pages.h"

namespace tessalin {

bool ExportPdf(const std::string& path, std::string& error, int* pages, bool withFindings) {
    const std::vector<PageDescription> report = LayOutReport(CollectReportContent(Today(), withFindings));
    if (pages) *pages = static_cast<int>(report.size());
    PdfInfo info;
    info.created = std::time(nullptr);
    return WritePdfFile(path, report, info, error);
}

}  // namespace tessalin
