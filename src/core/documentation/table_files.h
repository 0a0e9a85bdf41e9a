#pragma once
// The documentation table as files: a spreadsheet workbook (one sheet, the header row frozen above the
// rows, menu rows as headings) and comma-separated text.

#include <string>

#include "core/documentation/doc_table.h"

namespace tessalin {

// Writes the workbook to `path`; false with a message in `error` when it cannot be written.
bool WriteXlsxFile(const std::string& path, const DocTable& table, std::string& error);

// UTF-8 with a byte-order mark: the header row and every row, comma-separated, fields quoted where they
// need it, CR LF line ends.
std::string TableCsv(const DocTable& table);
bool WriteCsvFile(const std::string& path, const DocTable& table, std::string& error);

}  // namespace tessalin
