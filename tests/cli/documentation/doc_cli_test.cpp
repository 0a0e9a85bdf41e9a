#include <gtest/gtest.h>

#include <string>

#include "core/device/designations.h"
#include "core/device/load_data_set.h"
#include "core/documentation/table_files.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/run_cli.h"
#include "support/shell.h"

namespace tessalin::test {
namespace {

// The demo configuration, made as examples/make-demo makes it.
class DocCli : public ::testing::Test {
protected:
    void SetUp() override {
        front_ = dir_.file("BACKUP01.PAR");
        purgon_ = dir_.file("BACKUP02.PAR");
        const CliRun made = RunCli({"new", "-o", front_, purgon_, "--front", "2", "--sw", "9", "--base", "1", "--module",
                                    "4", "--module", "5", "--purgon", "79", "--option", "optLPAR", "--option", "optKONZ"});
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }

    // The table of the same data set built in this process, in German.
    DocTable TableHere() {
        ResetWorkspace();
        EXPECT_TRUE(LoadDataSet(front_, purgon_).ok());
        SelectLanguage(0);
        EXPECT_TRUE(BuildDeviceTree());
        return BuildDocumentationTable();
    }

    TempDir dir_;
    std::string front_, purgon_;
};

TEST_F(DocCli, WritesPdfWorkbookAndCsvOfTheSameTable) {
    const std::string pdf = dir_.file("doc.pdf"), xlsx = dir_.file("doc.xlsx"), csv = dir_.file("doc.csv");
    const CliRun run = RunCli({"doc", front_, purgon_, "--lang", "0", "--pdf", pdf, "--xlsx", xlsx, "--csv", csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");

    const DocTable table = TableHere();
    ASSERT_FALSE(table.rows.empty());
    const std::vector<uint8_t> csvBytes = ReadWholeFile(csv);
    EXPECT_EQ(std::string(csvBytes.begin(), csvBytes.end()), TableCsv(table));

    // The first page shows the device data; the table's texts follow in their order.
    const std::string text = Shell("pdftotext '" + pdf + "' -");
    std::size_t at = text.find(ModuleName(kPosFront, 2));
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_NE(text.find("Konzentration"), std::string::npos);
    for (const DocRow& row : table.rows) {
        const std::string& cell = row[DocTable::IsMenuRow(row) ? kColMenu : kColText];
        if (cell.empty() || DocTable::IsMenuRow(row)) continue;  // menu rows print as joined paths
        const std::size_t next = text.find(cell, at);
        ASSERT_NE(next, std::string::npos) << cell;
        at = next;
    }
    EXPECT_EQ(Shell("qpdf --check '" + pdf + "' >/dev/null 2>&1").find("exit status"), std::string::npos);

    const std::string strings = Shell("unzip -p '" + xlsx + "' xl/sharedStrings.xml");
    for (const DocRow& row : table.rows) {
        for (int c = kColMenu; c < kDocColumns; ++c) {  // the level is a number, not a string
            if (!row[c].empty() && row[c].find_first_of("<>&\"'") == std::string::npos) {
                EXPECT_NE(strings.find(row[c]), std::string::npos) << row[c];
            }
        }
    }
}

TEST_F(DocCli, JsonAndTextCarryTheDataListAndTheRows) {
    const CliRun json = RunCli({"doc", front_, purgon_, "--lang", "0", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const DocTable table = TableHere();
    const auto document = JsonOf(json);
    EXPECT_EQ(document["header"], nlohmann::ordered_json({"Level", "Menü", "Text", "Parameter", "Mzw"}));
    EXPECT_EQ(document["rows"], nlohmann::ordered_json(table.rows));
    EXPECT_EQ(document["deviceData"][0], ModuleName(kPosFront, 2));

    const CliRun text = RunCli({"doc", front_, purgon_, "--lang", "0"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("    Nullpunkt: 7.00 pH\n"), std::string::npos) << text.out;
}

TEST_F(DocCli, UsageRefusalAndWriteErrors) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {{"doc", front_, "--set", "C"}, 2, "--set takes A or B"},
        {{"doc", "--json"}, 2, "no data set given"},
        {{"doc", front_, "--pdf"}, 2, "needs a value"},
        {{"doc", dir_.file("none.par")}, 3, "LoadError 4096"},
        {{"doc", front_, purgon_, "--pdf", dir_.file("missing/doc.pdf")}, 4, "missing/doc.pdf"},
        {{"doc", front_, purgon_, "--xlsx", dir_.file("missing/doc.xlsx")}, 4, "missing/doc.xlsx"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    const CliRun help = RunCli({"doc", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: tessalin-cli doc FRONT [PURGON]"), std::string::npos);
}

}  // namespace
}  // namespace tessalin::test
