#include "core/documentation/exports.h"

#include <ctime>

#include "core/documentation/pdf_writer.h"
#include "core/documentation/report_pages.h"
#include "core/documentation/table_files.h"

namespace tessalin {

std::vector<PageDescription> ReportPagesToday() { return LayOutReport(CollectReportContent(Today())); }

bool ExportPdf(const std::string& path, std::string& error, int* pages) {
    const std::vector<PageDescription> report = ReportPagesToday();
    if (pages) *pages = static_cast<int>(report.size());
    PdfInfo info;
    info.created = std::time(nullptr);
    return WritePdfFile(path, report, info, error);
}

bool ExportXlsx(const std::string& path, std::string& error) {
    return WriteXlsxFile(path, BuildDocumentationTable(), error);
}

}  // namespace tessalin
