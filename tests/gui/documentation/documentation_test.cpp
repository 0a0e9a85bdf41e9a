#include <QAction>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <QTabWidget>

#include <cstdio>
#include <filesystem>

#include "core/device/designations.h"
#include "core/documentation/report_pages.h"
#include "gui/documentation/painter_canvas.h"
#include "gui/main_window/main_window_fixture.h"
#include "support/image_builder.h"
#include "support/shell.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ImageBuilder;
using tessalin::test::Shell;
using tessalin::test::TempDir;

// Prints into a PDF file instead of a printer, when asked to print at all.
class PrintingPrompter : public ScriptedPrompter {
public:
    QString PrintTo;  // empty: the print dialog is cancelled
    bool Print(QWidget*, QPrinter& printer) override {
        if (PrintTo.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PrintTo);
        return true;
    }
};

class DocumentationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        TestSettings().clear();
    }

    // The window with a data set of a pH module in slot [I] loaded (measuring point "TANK 7").
    void StartWithDataSet(bool expert = false) {
        if (expert) TestSettings().setValue("su", true);
        ImageBuilder builder;
        builder.slot(0, 4, 0, 1);
        const char* tag = "TANK 7";
        for (int i = 0; i < 6; ++i) builder.setByte(0x52 + i, static_cast<uint8_t>(tag[i]));
        const auto [front, purgon] = builder.writeFiles(dir_);
        splash_ = std::make_unique<TZandorInfoForm>();
        form_ = std::make_unique<TZandorForm>(prompter_, *splash_, QStringList{QString::fromStdString(front)});
        form_->AktionsTimerTimer();
        ASSERT_EQ(Ws().LoadError, 0);
    }
    void Trigger(const char* action) { form_->findChild<QAction*>(action)->trigger(); }
    void Answer(const std::string& path) { prompter_.FileResults.push_back({true, QString::fromStdString(path), 1}); }
    int CurrentPage() const { return form_->findChild<QTabWidget*>("MainPageControl")->currentIndex(); }

    TempDir dir_;
    PrintingPrompter prompter_;
    std::unique_ptr<TZandorInfoForm> splash_;
    std::unique_ptr<TZandorForm> form_;
};

TEST_F(DocumentationTest, ExportPdfWritesTheReportIntoTheChosenFile) {
    StartWithDataSet();
    std::filesystem::create_directories(dir_.path() / "out");
    const std::string path = dir_.file("out/report.pdf");
    Answer(path);
    Trigger("ExportPDF");

    ASSERT_EQ(prompter_.FileDialogs.size(), 1u);
    const FileDialogSpec& dialog = prompter_.FileDialogs[0];
    EXPECT_EQ(dialog.Title, "Export in PDF-Datei");
    EXPECT_EQ(dialog.Filter, "Adobe PDF-Dateien (*.pdf)|*.pdf");
    EXPECT_EQ(dialog.DefaultExt, "pdf");
    EXPECT_EQ(dialog.FileName, "default.pdf");
    EXPECT_TRUE(prompter_.Messages.empty());
    EXPECT_EQ(form_->ExportPDFDialog().InitialDir, QString::fromStdString(dir_.file("out")));
    EXPECT_NE(CurrentPage(), TZandorForm::kPagePrint);

    const std::string text = Shell("pdftotext -layout '" + path + "' -");
    EXPECT_NE(text.find("TANK 7"), std::string::npos) << text;
    EXPECT_NE(text.find("Seite 2"), std::string::npos);
    EXPECT_LT(text.find("Seite 1"), text.find("[I] " + ModuleName(kPosSlot1, 4)));
}

// An export never replaces a file of the opened data set, under any name: it says so and writes nothing.
TEST_F(DocumentationTest, ExportsRefuseTheOpenedDataSetFiles) {
    StartWithDataSet();
    const std::string front = Ws().FrontFileName;
    const std::vector<uint8_t> before = tessalin::test::ReadWholeFile(front);
    std::filesystem::create_hard_link(front, dir_.file("same.pdf"));
    for (const char* action : {"ExportPDF", "ExportExcel1"}) {
        prompter_.Messages.clear();
        Answer(action == std::string("ExportPDF") ? dir_.file("same.pdf") : front);
        Trigger(action);
        ASSERT_EQ(prompter_.Messages.size(), 1u) << action;
        EXPECT_TRUE(prompter_.Messages[0].Text.startsWith("Die Datei geh\u00f6rt zum ge\u00f6ffneten Datensatz"))
            << prompter_.Messages[0].Text.toStdString();
        EXPECT_EQ(tessalin::test::ReadWholeFile(front), before) << action;
    }
}

TEST_F(DocumentationTest, ExpertSeesTheTableBeforeTheWorkbookIsWritten) {
    StartWithDataSet(true);
    const std::string path = dir_.file("doc.xlsx");
    Answer(path);
    Trigger("ExportExcel1");

    ASSERT_EQ(prompter_.FileDialogs.size(), 1u);
    EXPECT_EQ(prompter_.FileDialogs[0].Title, "Export in Excel-Datei");
    EXPECT_EQ(prompter_.FileDialogs[0].DefaultExt, "xlsx");
    EXPECT_TRUE(std::filesystem::file_size(path) > 0);
    EXPECT_NE(Shell("unzip -l '" + path + "'").find("xl/worksheets/sheet1.xml"), std::string::npos);

    EXPECT_EQ(CurrentPage(), TZandorForm::kPagePrint);
    const auto* grid = form_->findChild<QTableWidget*>("DocumentationGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Menü");
    EXPECT_GE(grid->columnWidth(1), 160);
    EXPECT_EQ(grid->rowCount(), static_cast<int>(BuildDocumentationTable().rows.size()));
    const auto module = grid->findItems(QString::fromStdString("[I] " + ModuleName(kPosSlot1, 4)), Qt::MatchExactly);
    ASSERT_EQ(module.size(), 1);
    EXPECT_EQ(module[0]->column(), 1);
}

TEST_F(DocumentationTest, ExpertSeesTheWholeTableWhileThePrintDialogIsOpen) {
    StartWithDataSet(true);
    form_->resize(1000, 700);
    Trigger("Drucken1");  // the dialog is cancelled
    EXPECT_EQ(CurrentPage(), TZandorForm::kPagePrint);
    auto* grid = form_->findChild<QTableWidget*>("DocumentationGrid");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), static_cast<int>(BuildDocumentationTable().rows.size()));
    // No cell is cut: each column is at least as wide as its widest text.
    for (int c = 0; c < grid->columnCount(); ++c) {
        EXPECT_GE(grid->columnWidth(c), static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(c)) << c;
        EXPECT_GE(grid->columnWidth(c), DocTable::ScreenWidths()[c]) << c;
    }
    form_->show();
    EXPECT_TRUE(grid->grab().save(QDir::temp().filePath("documentation_grid.png")));
}

TEST_F(DocumentationTest, PrintDrawsEveryReportPageAfterTheDialog) {
    StartWithDataSet();
    const std::string path = dir_.file("printed.pdf");
    Trigger("Drucken1");  // the dialog is cancelled: nothing printed
    EXPECT_FALSE(std::filesystem::exists(path));

    prompter_.PrintTo = QString::fromStdString(path);
    Trigger("Drucken1");
    ASSERT_TRUE(std::filesystem::exists(path));
    const std::size_t pages = LayOutReport(CollectReportContent(DocDate{})).size();
    EXPECT_NE(Shell("pdfinfo '" + path + "'").find("Pages:           " + std::to_string(pages)), std::string::npos);
    const std::string text = Shell("pdftotext -layout '" + path + "' -");
    EXPECT_NE(text.find("TANK 7"), std::string::npos) << text;
    EXPECT_NE(text.find("Seite " + std::to_string(pages)), std::string::npos);
}

TEST_F(DocumentationTest, NothingLoadedOffersNoReport) {
    splash_ = std::make_unique<TZandorInfoForm>();
    form_ = std::make_unique<TZandorForm>(prompter_, *splash_, QStringList{});
    for (const char* command : {"Drucken1", "ExportPDF", "ExportExcel1"})
        EXPECT_FALSE(form_->findChild<QAction*>(command)->isEnabled()) << command;
    Trigger("ExportPDF");
    EXPECT_TRUE(prompter_.FileDialogs.empty());
    EXPECT_TRUE(prompter_.Messages.empty());
}

TEST(PainterCanvasTest, PageDrawnOnAnImageWhereThePointsSay) {
    ReportContent content;
    content.pageWord = "Seite";
    content.table.rows = {{"0", "Front unit", "", "", ""}};
    const auto pages = LayOutReport(content);
    QImage image(2 * 596, 2 * 842, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 2, 596, 842);
    pages[1].Replay(canvas);
    painter.end();
    // the heading bar at the top of the content band, the header rule above it
    EXPECT_EQ(image.pixelColor(2 * 300, 2 * (72 + 16)), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixelColor(2 * 300, 2 * 49 + 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(2 * 300, 2 * 60), QColor(Qt::white));
    // text measured in points whatever the device's resolution
    const double width = canvas.TextWidth("Seite 2", CanvasFont{"Arial", 8, false});
    EXPECT_NEAR(width, pages[1].TextWidth("Seite 2", CanvasFont{"Arial", 8, false}), 2.0);
}

}  // namespace
}  // namespace tessalin::gui::test
