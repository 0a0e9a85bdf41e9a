#pragma once
// The documentation table as a grid on the main window's hidden "Print" page, for the expert who wants
// to look at what is printed or exported.

#include "core/documentation/doc_table.h"

class QWidget;

namespace tessalin::gui {

// Fills the grid "DocumentationGrid" on `page` (made on first use) with the header and every row.
void ShowDocumentationGrid(QWidget* page, const DocTable& table);

}  // namespace tessalin::gui
