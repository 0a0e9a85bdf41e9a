#pragma once
// "Drucken...", "Export PDF..." and "Export Excel...": each builds the documentation of the loaded
// parameter set anew and sends it to the printer, a PDF file or a workbook chosen by the user.

#include <functional>

#include "core/documentation/doc_table.h"
#include "gui/common/prompter.h"

class QWidget;

namespace tessalin::gui {

struct DocumentationContext {
    QWidget* parent = nullptr;
    Prompter* prompter = nullptr;
    // The PDF export dialog. Its starting folder (kept as the setting "ExportPath") serves both exports,
    // and the folder of a file chosen in either becomes the starting folder next time.
    FileDialogSpec* pdfDialog = nullptr;
    // Set when the expert switch is on: shows the table before it leaves the tool.
    std::function<void(const DocTable&)> showTable;
    // The table ends with the findings of the data-set check.
    bool withFindings = false;
};

// The workbook export dialog in the user-interface language, starting in `folder`.
FileDialogSpec ExcelDialog(const QString& folder);

void PrintDocumentation(const DocumentationContext& context);
void ExportPdfDocumentation(const DocumentationContext& context);
void ExportExcelDocumentation(const DocumentationContext& context);

}  // namespace tessalin::gui
