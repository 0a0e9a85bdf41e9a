#pragma once
// Writes report pages as a PDF document: A4 pages whose text is in the standard Type 1 font Arial
// (regular and bold, WinAnsi encoding, not embedded), lines and filled rectangles; the document
// information carries title, creator and the creation date. What every page draws alike is written once
// and placed on each page; the objects other than streams share one object stream, found through a
// cross-reference stream; every stream is compressed where that makes it smaller.

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
