#include "gui/documentation/documentation_commands.h"

#include <QFileInfo>
#include <QPrinter>

#include <ctime>

#include "core/documentation/pdf_writer.h"
#include "core/documentation/report_pages.h"
#include "core/documentation/table_files.h"
#include "core/main_window/save_decisions.h"
#include "core/range_error.h"
#include "core/workspace.h"
#include "gui/common/ui_texts.h"
#include "gui/documentation/report_printer.h"

namespace tessalin::gui {

namespace {

constexpr TextPair kExcelTitle{"Export in Excel-Datei", "Export as Excel File"};
constexpr TextPair kExcelFilter{"Excel-Arbeitsmappe (*.xlsx)|*.xlsx", "Excel Workbook (*.xlsx)|*.xlsx"};
constexpr TextPair kNothingLoaded{"keine Konfiguration geladen!", "No Configuration loaded!"};
constexpr TextPair kNotDocumented{"Die Dokumentation konnte nicht erstellt werden:\n",
                                  "The documentation could not be made:\n"};
constexpr TextPair kNotWritten{"Die Datei konnte nicht geschrieben werden:\n", "The file could not be written:\n"};
constexpr TextPair kNotPrinted{"Der Drucker konnte nicht beginnen.", "The printer could not start."};

void Tell(const DocumentationContext& context, const QString& text) {
    context.prompter->Message(context.parent, kApplicationTitle, text, MessageIcon::Error, MessageButtons::Ok);
}

bool DeviceLoaded(const DocumentationContext& context) {
    if (Ws().Device.Origin != kOriginNone) return true;
    context.prompter->Message(context.parent, kApplicationTitle, Pick(kNothingLoaded), MessageIcon::Information,
                              MessageButtons::Ok);
    return false;
}

// Builds what the pages show; false after telling the user when the table cannot be built.
bool Collect(const DocumentationContext& context, ReportContent& content) {
    try {
        content = CollectReportContent(Today(), context.withFindings);
    } catch (const RangeError& e) {
        Tell(context, Pick(kNotDocumented) + QString::fromStdString(e.what()));
        return false;
    }
    if (context.showTable) context.showTable(content.table);
    return true;
}

// Asks for the file; the chosen folder becomes the starting folder of the exports. A file of the opened
// data set is refused: no document replaces it.
QString ChooseFile(const DocumentationContext& context, const FileDialogSpec& dialog) {
    const FileDialogResult chosen = context.prompter->SaveFile(context.parent, dialog);
    if (!chosen.Accepted) return {};
    context.pdfDialog->InitialDir = QFileInfo(chosen.Path).absolutePath();
    if (IsOpenedDataSetFile(chosen.Path.toStdString())) {
        Tell(context, Pick(DataSetText::DocumentOverInput) + chosen.Path);
        return {};
    }
    return chosen.Path;
}

void Report(const DocumentationContext& context, bool written, const std::string& error) {
    if (!written) Tell(context, Pick(kNotWritten) + QString::fromStdString(error));
}

}  // namespace

FileDialogSpec ExcelDialog(const QString& folder) {
    FileDialogSpec dialog;
    dialog.Title = Pick(kExcelTitle);
    dialog.Filter = Pick(kExcelFilter);
    dialog.DefaultExt = "xlsx";
    dialog.InitialDir = folder;
    return dialog;
}

// Every command builds the documentation first, so that the expert sees the table while the dialog
// is still open, and then asks where it goes.
void PrintDocumentation(const DocumentationContext& context) {
    ReportContent content;
    if (!DeviceLoaded(context) || !Collect(context, content)) return;
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    if (!context.prompter->Print(context.parent, printer)) return;
    if (!PaintReport(printer, LayOutReport(content))) Tell(context, Pick(kNotPrinted));
}

void ExportPdfDocumentation(const DocumentationContext& context) {
    ReportContent content;
    if (!DeviceLoaded(context) || !Collect(context, content)) return;
    context.pdfDialog->FileName = kDefaultPdfName;
    const QString path = ChooseFile(context, *context.pdfDialog);
    if (path.isEmpty()) return;
    PdfInfo info;
    info.created = std::time(nullptr);
    std::string error;
    Report(context, WritePdfFile(path.toStdString(), LayOutReport(content), info, error), error);
}

void ExportExcelDocumentation(const DocumentationContext& context) {
    ReportContent content;
    if (!DeviceLoaded(context) || !Collect(context, content)) return;
    const QString path = ChooseFile(context, ExcelDialog(context.pdfDialog->InitialDir));
    if (path.isEmpty()) return;
    std::string error;
    Report(context, WriteXlsxFile(path.toStdString(), content.table, error), error);
}

}  // namespace tessalin::gui
