#pragma once
// The documentation table: every menu of the device tree that is shown, with every documented parameter
// of its page and the parameter's current value, in five text columns. A row with a level is a menu
// row; a row without one is a parameter row (possibly all empty, as after a matrix).

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tessalin {

enum DocColumn : int { kColLevel = 0, kColMenu = 1, kColText = 2, kColParameter = 3, kColUnit = 4 };
inline constexpr int kDocColumns = 5;

using DocRow = std::array<std::string, kDocColumns>;

struct DocTable {
    static const DocRow& Header();              // "Level", "Menü", "Text", "Parameter", "Mzw"
    static const std::array<int, kDocColumns>& ScreenWidths();  // 40, 160, 140, 100, 60 pixels

    std::vector<DocRow> rows;                   // the data rows, without the header
    // The rows from this one on are the findings of the data-set check: their long places and details
    // wrap inside their columns on the report pages. rows.size() and beyond: none.
    std::size_t findingsFrom = static_cast<std::size_t>(-1);

    static bool IsMenuRow(const DocRow& row) { return !row[kColLevel].empty(); }
};

// Walks the device tree of Ws().Tree in display order and documents each shown menu with the active
// parameter set's values, asking the handlers as the parameter page does. CurrentPage, CurrentParam and
// the row contexts are the same afterwards as before. A parameter table of more than 100 entries or a
// value outside the image is a RangeError.
DocTable BuildDocumentationTable();

}  // namespace tessalin
