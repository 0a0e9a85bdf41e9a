// The main window's side of printing and of the PDF and workbook exports.
#include <QAction>
#include <QTabWidget>

#include "gui/documentation/documentation_commands.h"
#include "gui/documentation/documentation_grid.h"
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

DocumentationContext TZandorForm::DocumentationCommandContext() {
    DocumentationContext context;
    context.parent = this;
    context.prompter = &prompter_;
    context.pdfDialog = &exportPdfDialog_;
    context.withFindings = BefundeDokumentieren1_->isChecked();
    if (su_) {
        context.showTable = [this](const DocTable& table) {
            ShowDocumentationGrid(MainPageControl_->widget(kPagePrint), table);
            MainPageControl_->setCurrentIndex(kPagePrint);
        };
    }
    return context;
}

void TZandorForm::Drucken1Click() { PrintDocumentation(DocumentationCommandContext()); }
void TZandorForm::ExportPDFClick() { ExportPdfDocumentation(DocumentationCommandContext()); }
void TZandorForm::ExportExcel1Click() { ExportExcelDocumentation(DocumentationCommandContext()); }

}  // namespace tessalin::gui
