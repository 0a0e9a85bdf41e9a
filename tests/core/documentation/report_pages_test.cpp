#include <gtest/gtest.h>

#include <algorithm>

#include "core/documentation/report_pages.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

using DK = DrawCommand::Kind;

constexpr double kLeft = report::kBandLeft;
constexpr double kTop = report::kContentTop;

DocRow Menu(int level, const std::string& name) { return {std::to_string(level), name, "", "", ""}; }
DocRow Param(const std::string& text, const std::string& value = "1", const std::string& unit = "") {
    return {"", "", text, value, unit};
}

std::vector<const DrawCommand*> Texts(const PageDescription& page, const std::string& text) {
    std::vector<const DrawCommand*> out;
    for (const DrawCommand& c : page.Commands())
        if (c.kind == DK::Text && c.text == text) out.push_back(&c);
    return out;
}

// The content-band y at which a text is drawn on a page, -1 when it is not there.
double BandY(const PageDescription& page, const std::string& text) {
    const auto found = Texts(page, text);
    return found.empty() ? -1 : found.front()->y - kTop;
}

int Fills(const PageDescription& page) {
    return static_cast<int>(std::count_if(page.Commands().begin(), page.Commands().end(),
                                          [](const DrawCommand& c) { return c.kind == DK::Fill; }));
}

class ReportPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        content.pageWord = "Seite";
        content.dateLabel = "Datum: 06.03.2006";
        content.deviceHeading = "Gerätebeschreibung  Vantris";
        content.dataList[0] = "Front";
    }
    // k parameter rows after a level-1 menu row, then `rows`.
    void Filled(int k, std::vector<DocRow> rows) {
        content.table.rows = {Menu(1, "Fill")};
        for (int i = 0; i < k; ++i) content.table.rows.push_back(Param("p" + std::to_string(i)));
        content.table.rows.insert(content.table.rows.end(), rows.begin(), rows.end());
    }
    ReportContent content;
};

TEST_F(ReportPagesTest, TemplateOnEveryPage) {
    content.table.rows = {Menu(0, "Front unit")};
    const auto pages = LayOutReport(content);
    ASSERT_EQ(pages.size(), 2u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PageDescription& page = pages[i];
        ASSERT_EQ(Texts(page, report::kProgramName).size(), 1u);
        const auto number = Texts(page, "Seite " + std::to_string(i + 1));
        ASSERT_EQ(number.size(), 1u);
        // right-aligned in its label: the text ends at the label's right edge
        EXPECT_NEAR(number[0]->x + page.TextWidth(number[0]->text, number[0]->font), kLeft + 492, 0.01);
        EXPECT_EQ(number[0]->font.size, 8);
        const auto date = Texts(page, "Datum: 06.03.2006");
        ASSERT_EQ(date.size(), 1u);
        EXPECT_EQ(date[0]->y, 792);
    }
}

TEST_F(ReportPagesTest, FirstTableRowOpensPageTwoWithAHeadingAtTheTop) {
    content.table.rows = {Menu(0, "Front unit"), Menu(1, "Messeingang"), Menu(2, "Sensor"),
                          Param("Nullpunkt", "7.00", "pH")};
    const auto pages = LayOutReport(content);
    ASSERT_EQ(pages.size(), 2u);
    const PageDescription& page = pages[1];
    ASSERT_EQ(Fills(page), 1);
    const auto bar = std::find_if(page.Commands().begin(), page.Commands().end(),
                                  [](const DrawCommand& c) { return c.kind == DK::Fill; });
    EXPECT_EQ(bar->x, kLeft);
    EXPECT_EQ(bar->y, kTop);
    EXPECT_EQ(bar->x2, 491);
    EXPECT_EQ(bar->y2, 18);
    const auto label = Texts(page, "Front unit");  // bold: drawn twice
    ASSERT_EQ(label.size(), 2u);
    EXPECT_EQ(label[0]->font.size, 12);
    EXPECT_EQ(label[0]->x, kLeft + 10);
    EXPECT_EQ(label[1]->x, kLeft + 10.5);
    EXPECT_EQ(label[0]->y, kTop + 2);

    // A level-2 row shows its path, bold as the regular face drawn twice half a point apart.
    const auto path = Texts(page, "Messeingang | Sensor");
    ASSERT_EQ(path.size(), 2u);
    EXPECT_EQ(path[0]->x, kLeft);
    EXPECT_EQ(path[1]->x, kLeft + 0.5);
    EXPECT_FALSE(path[0]->font.bold);
    EXPECT_EQ(BandY(page, "Messeingang"), 19);  // 6 + 13 below the heading

    EXPECT_EQ(Texts(page, "Nullpunkt")[0]->x, kLeft + 140);
    EXPECT_EQ(Texts(page, "7.00  pH")[0]->x, kLeft + 280);
}

TEST_F(ReportPagesTest, SpacingBetweenMenuAndParameterRows) {
    content.table.rows = {Menu(1, "A"), Param("a1"), Param("a2"), Menu(1, "B"), Menu(2, "C"), Param("c1")};
    const auto pages = LayOutReport(content);
    const PageDescription& page = pages[1];
    EXPECT_EQ(BandY(page, "A"), 0);
    EXPECT_EQ(BandY(page, "a1"), 16);  // 3 points lower after a menu row
    EXPECT_EQ(BandY(page, "a2"), 29);
    EXPECT_EQ(BandY(page, "B"), 62);   // 20 points lower after parameter rows
    EXPECT_EQ(BandY(page, "B | C"), 75);
    EXPECT_EQ(BandY(page, "c1"), 91);
}

TEST_F(ReportPagesTest, PageFullRulesByRowKind) {
    struct Case {
        int fill;
        DocRow row;
        bool onPageTwo;
    };
    const Case cases[] = {
        {47, Menu(0, "Unit"), true},   // 50 points left: still fits
        {48, Menu(0, "Unit"), false},  // less than 50 points
        {48, Menu(1, "Menu"), true},   // a level-1 row needs 26 points
        {49, Menu(1, "Menu"), false},
    };
    for (const Case& c : cases) {
        Filled(c.fill, {c.row});
        const auto pages = LayOutReport(content);
        const std::string& name = c.row[kColMenu];
        EXPECT_EQ(pages.size(), c.onPageTwo ? 2u : 3u) << c.fill << " " << name;
        if (!c.onPageTwo) {
            // a unit's heading label sits 2 points below its bar
            EXPECT_EQ(BandY(pages[2], name), c.row[kColLevel] == "0" ? 2 : 0) << c.fill << " " << name;
        }
    }
    // A parameter row goes over when its 13 points do not fit.
    Filled(52, {Param("last")});
    const auto pages = LayOutReport(content);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(BandY(pages[2], "last"), 0);
    EXPECT_EQ(BandY(pages[1], "p51"), 16 + 13 * 51);
}

TEST_F(ReportPagesTest, AFourthUnitOnAPageTakesItsSpaceWithoutHeading) {
    content.table.rows = {Menu(0, "U1"), Menu(0, "U2"), Menu(0, "U3"), Menu(0, "U4"), Menu(1, "After")};
    const auto pages = LayOutReport(content);
    const PageDescription& page = pages[1];
    EXPECT_EQ(Fills(page), 3);
    EXPECT_EQ(BandY(page, "U3"), 2 + 2 * 19);
    EXPECT_TRUE(Texts(page, "U4").empty());
    EXPECT_EQ(BandY(page, "After"), 4 * 19);
}

TEST_F(ReportPagesTest, FirstPageContentThatRunsLongContinuesOnTheNextPage) {
    for (int i = 1; i <= 36; ++i) content.dataList[i] = "line " + std::to_string(i);
    content.dataList[kDataBaseName] = "Base";
    for (int first : kDataSlotFirstLines)
        for (int i = first; i <= first + 4; ++i) content.dataList[i] = "slot line " + std::to_string(i);
    content.table.rows = {Menu(0, "Front unit")};
    const auto pages = LayOutReport(content);
    ASSERT_EQ(pages.size(), 3u);
    for (const DrawCommand& c : pages[0].Commands())
        if (c.kind == DK::Text && c.y >= kTop && c.y < report::kFooterTop) {
            EXPECT_LE(c.y - kTop + 14, report::kContentHeight) << c.text;
        }
    EXPECT_EQ(BandY(pages[1], "slot line 55"), BandY(pages[1], "slot line 54") + 13 + 15);
    EXPECT_FALSE(Texts(pages[0], "slot line 41").empty());
    EXPECT_TRUE(Texts(pages[1], "slot line 41").empty());
    EXPECT_EQ(BandY(pages[2], "Front unit"), 2);  // the table still starts on a page of its own
}

TEST_F(ReportPagesTest, FindingsWrapInsideTheirColumnsAndStayOnThePage) {
    const std::string place = "Slot [II] > Conductivity module > Sensor monitoring details > Sensocheck polarisation "
                              "limit [set B] (row 17)";
    const std::string detail = "stored 3000000000 µS/cm; accepted: 0.000 .. 9999 mS/cm; repair: 9999 mS/cm";
    content.table.rows = {Menu(0, "Check of the data set")};
    content.table.findingsFrom = content.table.rows.size();
    content.table.rows.push_back({"", "", place, detail, "refused by the analyser"});
    content.table.rows.push_back(Param("after", "1"));
    const std::vector<PageDescription> pages = LayOutReport(content);
    ASSERT_EQ(pages.size(), 2u);
    // The words of the place and of the detail, in order, whatever the lines they were broken into.
    const auto words = [](std::string text) {
        text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
        return text;
    };
    std::string placeText, detailText;
    int placeLines = 0;
    double lastY = -1;
    for (const DrawCommand& c : pages[1].Commands()) {
        if (c.kind != DK::Text || c.y < kTop + 20 || c.y > kTop + report::kContentHeight) continue;
        const double right = c.x + pages[1].TextWidth(c.text, c.font);
        EXPECT_LE(right, kLeft + report::kRuleWidth) << c.text;
        if (c.x < kLeft + 280) {
            EXPECT_LE(right, kLeft + 280) << c.text << ": the place runs into the value column";
            if (c.text == "after") continue;
            placeText += c.text;
            ++placeLines;
        } else if (c.text != "1") {
            detailText += c.text;
        } else {
            continue;
        }
        lastY = std::max(lastY, c.y);
    }
    EXPECT_EQ(words(placeText), words(place));
    EXPECT_EQ(words(detailText), words(detail + "refused by the analyser"));
    EXPECT_GE(placeLines, 2) << "the place is wider than its column";
    // The row after the finding starts below its last line.
    EXPECT_GT(BandY(pages[1], "after") + kTop, lastY);
}

TEST(ReportContentTest, FirstPageTextsOfTheActiveSet) {
    ResetWorkspace();
    SelectLanguage(0);
    Ws().Device.Front.Code = 2;
    ParImageBuffer& im = Ws().ParImage;
    const auto put = [&](long long at, const char* text) {
        im.writeBytes(at, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text), 16));
    };
    put(0x52, "TANK\xB7" "7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7");  // device blanks read as spaces, trimmed
    put(0x130, "note A\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7");
    put(0x2130, "note B\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7\xB7");
    Ws().ActiveParamSet = true;
    const ReportContent content = CollectReportContent(DocDate{2006, 3, 6});
    EXPECT_EQ(content.measuringPoint, "TANK 7");
    EXPECT_EQ(content.note, "note B");
    EXPECT_TRUE(content.setB);
    EXPECT_EQ(content.dateLabel, "Datum: 06.03.2006");
    const auto pages = LayOutReport(content);
    const PageDescription& first = pages[0];
    EXPECT_EQ(BandY(first, "note B"), 16);
    EXPECT_EQ(Texts(first, "note B")[0]->x, kLeft + 150);
    EXPECT_EQ(BandY(first, "B"), 32);
    EXPECT_EQ(Texts(first, "Notiz:").size(), 2u);

    SelectLanguage(1);
    EXPECT_EQ(CollectReportContent(DocDate{2006, 3, 6}).dateLabel, "Date: 2006-03-06");
}

}  // namespace
}  // namespace tessalin
