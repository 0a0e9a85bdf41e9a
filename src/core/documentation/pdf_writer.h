#pragma once
// Writes report pages as a PDF document: A4 pages whose text is in the standard Type 1 font Arial
// (regular and bold, WinAnsi encoding, not embedded), lines and filled rectangles; content streams are
// compressed where that makes them smaller; the document information carries title, creator and the
// creation date.

#include <ctime>
#include <string>
#include <vector>

#include "core/documentation/page_description.h"

namespace tessalin {

struct PdfInfo {
    std::string title = "Zandor";
    std::string creator = "Zandor - Programming- and Documentation Tool";
    std::time_t created = 0;  // local time of creation
};

// The file name a PDF export proposes.
inline constexpr const char* kDefaultPdfName = "default.pdf";

// The whole document as bytes.
std::string PdfDocument(const std::vector<PageDescription>& pages, const PdfInfo& info);

// Writes the document to `path`; false with a message in `error` when the file cannot be written.
bool WritePdfFile(const std::string& path, const std::vector<PageDescription>& pages, const PdfInfo& info,
                  std::string& error);

}  // namespace tessalin
