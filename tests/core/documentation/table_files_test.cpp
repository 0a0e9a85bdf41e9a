#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "core/documentation/table_files.h"
#include "core/workspace.h"
#include "support/image_builder.h"
#include "support/shell.h"

namespace tessalin {
namespace {

DocTable SmallTable() {
    DocTable table;
    table.rows = {
        {"0", "[I] PHS 2400", "", "", ""},
        {"1", "Kalibrierdaten", "", "", ""},
        {"", "", "Nullpunkt", "7.00", "pH"},
        {"", "", "Messstelle", "Tank \"A\", Süd", ""},
        {"", "", "", "", ""},
    };
    return table;
}

std::string Unzip(const std::string& archive, const std::string& member) {
    return test::Shell("unzip -p '" + archive + "' '" + member + "'");
}

TEST(TableFilesTest, WorkbookHoldsHeaderAndEveryRowBelowAFrozenHeader) {
    ResetWorkspace();
    test::TempDir dir;
    const std::string path = dir.file("doc.xlsx");
    std::string error;
    ASSERT_TRUE(WriteXlsxFile(path, SmallTable(), error)) << error;

    const std::string sheet = Unzip(path, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(sheet.empty()) << "unzip missing or workbook unreadable";
    const std::string strings = Unzip(path, "xl/sharedStrings.xml");
    // header and data rows 1..4; the all-empty last row holds no cell
    for (int r = 1; r <= 5; ++r) EXPECT_NE(sheet.find("<row r=\"" + std::to_string(r) + "\""), std::string::npos) << r;
    EXPECT_NE(sheet.find("<pane ySplit=\"1\""), std::string::npos);
    const std::regex column("<col ");
    EXPECT_EQ(std::distance(std::sregex_iterator(sheet.begin(), sheet.end(), column), std::sregex_iterator()), 5);
    for (const char* s : {"Level", "Menü", "Mzw", "Kalibrierdaten", "Nullpunkt", "7.00", "pH", "Tank \"A\", Süd"})
        EXPECT_NE(strings.find(s), std::string::npos) << s;
    // the level of a menu row is a number
    EXPECT_TRUE(std::regex_search(sheet, std::regex("<c r=\"A3\" s=\"\\d+\"><v>1</v></c>"))) << sheet.substr(0, 400);

    EXPECT_FALSE(WriteXlsxFile(dir.file("missing/doc.xlsx"), SmallTable(), error));
    EXPECT_NE(error.find("missing/doc.xlsx"), std::string::npos);
}

// UTF-8 with a byte-order mark, so that a spreadsheet reads "ü" and "°" as they are.
TEST(TableFilesTest, CsvIsMarkedUtf8AndQuotesWhereNeeded) {
    EXPECT_EQ(TableCsv(SmallTable()),
              "\xEF\xBB\xBF"
              "Level,Menü,Text,Parameter,Mzw\r\n"
              "0,[I] PHS 2400,,,\r\n"
              "1,Kalibrierdaten,,,\r\n"
              ",,Nullpunkt,7.00,pH\r\n"
              ",,Messstelle,\"Tank \"\"A\"\", Süd\",\r\n"
              ",,,,\r\n");
}

}  // namespace
}  // namespace tessalin
