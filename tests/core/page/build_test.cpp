#include "page_fixture.h"

#include <stdexcept>

#include "core/catalogue/process_variables.h"
#include "core/page/sub_page.h"

namespace tessalin::test {
namespace {

std::vector<int> RowNumbers(const PageModel& page) {
    std::vector<int> out;
    for (const PageRow& r : page.rows) out.push_back(r.row);
    return out;
}

std::vector<std::string> ItemTexts(const PageRow& row) {
    std::vector<std::string> out;
    for (const ChoiceItem& item : row.items) out.push_back(item.text + "=" + std::to_string(item.code));
    return out;
}

TEST_F(PageTest, RowsOfEveryKind) {
    const PageModel page = BuildFormpage();
    EXPECT_EQ(page.title, "Nominal page");
    EXPECT_EQ(page.error, "");
    // Row 13 is hidden and leaves no gap.
    EXPECT_EQ(RowNumbers(page), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15}));

    const PageRow& head = *page.find(0);
    EXPECT_TRUE(head.heading);
    EXPECT_EQ(head.label, "Section");
    EXPECT_EQ(head.headingLines, 1);
    EXPECT_EQ(head.icon, 3);

    const PageRow& nominal = *page.find(1);
    EXPECT_EQ(nominal.label, "Nominal");
    EXPECT_EQ(nominal.value, "7.00");
    EXPECT_EQ(nominal.units, (std::vector<std::string>{"pH"}));
    EXPECT_EQ(nominal.unitIndex, 0);
    EXPECT_EQ(nominal.unitLabel(), "pH");
    EXPECT_TRUE(nominal.enabled);

    const PageRow& mode = *page.find(2);
    EXPECT_EQ(ItemTexts(mode), (std::vector<std::string>{"Auto=1", "Manual=2", "Off=3"}));
    EXPECT_EQ(mode.selected, 1);

    const PageRow& tag = *page.find(4);
    EXPECT_EQ(tag.value, "AB·C······");  // the field's bytes as they stand
    EXPECT_EQ(tag.maxLength, 10);
    EXPECT_EQ(tag.charSetName, "0..9A..Z_·");

    const PageRow& pick = *page.find(5);  // handler's list, third item filtered out, handler's label
    EXPECT_EQ(ItemTexts(pick), (std::vector<std::string>{"Seven=7", "Eight=8"}));
    EXPECT_EQ(pick.selected, 1);
    EXPECT_EQ(pick.label, "Pick");

    const PageRow& actions = *page.find(6);
    ASSERT_EQ(actions.buttons.size(), 2u);
    EXPECT_EQ(actions.buttons[0].caption, "Refresh");
    EXPECT_EQ(actions.buttons[0].glyph, "REFRESH");
    EXPECT_EQ(actions.buttons[0].hint, "Read again");
    EXPECT_EQ(actions.buttons[1].caption, "More...");
    EXPECT_EQ(actions.buttons[1].glyph, "");
    EXPECT_EQ(actions.buttons[1].hint, "");

    const PageRow& level = *page.find(7);
    EXPECT_EQ(level.minimum, -10);
    EXPECT_EQ(level.maximum, 10);
    EXPECT_EQ(level.position, -4);

    const PageRow& at = *page.find(8);
    EXPECT_EQ(at.hour, 7);
    EXPECT_EQ(at.minute, 59);
    EXPECT_EQ(at.value, "07:59");

    const PageRow& grid = *page.find(9);
    EXPECT_EQ(grid.matrixRows, (std::vector<std::string>{"R0", "R1"}));
    EXPECT_EQ(grid.matrixColumns, (std::vector<std::string>{"C0", "C1", "C2"}));
    EXPECT_EQ(grid.cells, (std::vector<std::vector<int>>{{0, 1, 1}, {1, 1, 1}}));

    const PageRow& note = *page.find(10);
    EXPECT_TRUE(note.heading);
    EXPECT_EQ(note.label, "Line one\r\nLine two");
    EXPECT_EQ(note.headingLines, 2);

    EXPECT_EQ(page.find(11)->label, "Limit 8");
    const PageRow& cond = *page.find(12);
    EXPECT_EQ(cond.units, (std::vector<std::string>{"µS/cm", "mS/cm"}));
    EXPECT_EQ(cond.unitIndex, 1);
    EXPECT_EQ(cond.unitLabel(), "");

    const PageRow& valueHeading = *page.find(14);
    EXPECT_TRUE(valueHeading.heading);
    EXPECT_EQ(valueHeading.valueLabel, "Value");
    EXPECT_EQ(valueHeading.value, "33");
    EXPECT_FALSE(valueHeading.enabled);

    const PageRow& separator = *page.find(15);
    EXPECT_EQ(separator.label, "");
    EXPECT_EQ(separator.headingLines, 0);

    // Row contexts carry the page's module for every entry.
    EXPECT_EQ(Ws().FormpageRows[13].param, &kRows[13]);
    EXPECT_EQ(Ws().FormpageRows[13].position, kPosSlot1);
}

TEST_F(PageTest, VisibilityEditabilityAndTheOtherSet) {
    Ws().ParImage.setU8(kSlot1Set + 11, 1);  // Auto: row 3 hidden, row 1 read-only
    PageModel page = BuildFormpage();
    EXPECT_EQ(page.find(3), nullptr);
    EXPECT_FALSE(page.find(1)->enabled);
    EXPECT_EQ(page.find(2)->selected, 0);

    EXPECT_EQ(ParamSetImage(), 25);
    EXPECT_EQ(SwitchParamSet(), 26);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    Ws().ParImage.setU16(kSlot1Set + 0x2000 + 20, 350);
    page = BuildFormpage();
    EXPECT_EQ(page.find(1)->value, "3.50");
    EXPECT_EQ(page.find(2)->selected, -1);  // code 0 in set B matches no item
}

TEST_F(PageTest, OneEventRecordServesTheWholeBuild) {
    BuildFormpage();
    EXPECT_GT(gLog.events.size(), 10u);
    EXPECT_EQ(gLog.records.size(), 1u);
}

TEST_F(PageTest, NoPageAndFolderPage) {
    Ws().FormpageRows[4].param = &kRows[4];
    Ws().CurrentPage = TTabPtrRec{};
    PageModel page = BuildFormpage();
    EXPECT_EQ(page.title, " ");
    EXPECT_TRUE(page.rows.empty());
    EXPECT_EQ(Ws().FormpageRows[4].param, nullptr);

    static constexpr TMenuEntry folder{.level = 1, .handler = Logged, .texts = &kPageTitle};
    Ws().CurrentPage = TTabPtrRec{3, 0, kPosSlot1, &folder, nullptr, -1, "  Messages"};
    page = BuildFormpage();
    EXPECT_EQ(page.title, "Messages");
    EXPECT_TRUE(page.rows.empty());
}

TEST_F(PageTest, TextRowTableErrorsStopTheBuildAtThatRow) {
    const struct {
        int arg;
        int uiLanguage;
        const char* message;
    } cases[] = {
        {8 | (10 << 8), 1, "Form: ASCII input without valid character set"},
        {8 | (10 << 8), 0, "Formblatt: ASCII-Eingabe ohne gültigen Zeichensatz"},
        {2 | (0 << 8), 1, "Form: ASCII input with invalid string length"},
        {2 | (33 << 8), 0, "Formblatt: ASCII-Eingabe mit ungültiger Stringlänge"},
    };
    for (const auto& c : cases) {
        const TParamEntry rows[] = {
            kRows[0],
            {.arg = c.arg, .location = At(Section::PH_SET, 100), .kind = kKindText, .valueType = 5, .handler = Logged,
             .texts = &kTag},
            kRows[1],
        };
        Ws().UiLanguage = c.uiLanguage;
        Ws().CurrentPage.params = rows;
        Ws().CurrentPage.lastParam = 2;
        const PageModel page = BuildFormpage();
        EXPECT_EQ(page.error, c.message);
        EXPECT_EQ(page.errorRow, 1);
        EXPECT_EQ(RowNumbers(page), (std::vector<int>{0}));
    }
}

TEST_F(PageTest, InactiveRows) {
    const TParamEntry rows[] = {
        {.arg = 5 | (4 << 8), .location = At(Section::PH_SET, 100), .kind = kKindText, .valueType = 7, .handler = Logged},
        {.location = At(Section::PH_SET, 11), .kind = kKindChoice, .handler = Logged, .texts = &kTag},  // empty list
        {.location = At(Section::PH_SET, 11), .kind = kKindChoice, .handler = Logged, .texts = &kOneItem},
    };
    Ws().CurrentPage.params = rows;
    Ws().CurrentPage.lastParam = 2;
    PageModel page = BuildFormpage();
    EXPECT_FALSE(page.find(0)->active);
    EXPECT_EQ(page.find(0)->value, "");
    EXPECT_FALSE(page.find(1)->active);
    EXPECT_EQ(page.find(1)->selected, -1);
    EXPECT_EQ(gLog.count(1, kEvRowEditable), 0);
    // A one-item list shows its item whatever the byte.
    EXPECT_EQ(page.find(2)->selected, 0);

    EXPECT_FALSE(CommitText(page, 0, "XY").rebuildPage);
    EXPECT_EQ(gLog.count(0, kEvCommitted), 0);
}

TEST_F(PageTest, ARowLeftToTheDefaultHandlerListsTheProcessVariablesOfItsClassMask) {
    const TParamEntry rows[] = {
        {.arg = static_cast<int32_t>(kPvOutput | kPvWithOff), .location = At(Section::PH_SET, 11),
         .flags = kPfUInt8 | kPfListFromHandler, .kind = kKindChoice, .handler = DefaultHandler, .texts = &kPick},
    };
    Ws().CurrentPage.params = rows;
    Ws().CurrentPage.lastParam = 0;
    Ws().ParImage.setU8(kSlot1Set + 11, 0);
    const PageModel page = BuildFormpage();
    ASSERT_EQ(page.rows.size(), 1u);
    const PageRow& row = page.rows[0];
    Ws().CurrentParam.param = &rows[0];
    const std::vector<ChoiceItem> expected = ParseChoiceList(ProcessVariableList(kPvOutput | kPvWithOff));
    ASSERT_GE(expected.size(), 2u);
    EXPECT_EQ(ItemTexts(row), [&] {
        std::vector<std::string> out;
        for (const ChoiceItem& item : expected) out.push_back(item.text + "=" + std::to_string(item.code));
        return out;
    }());
    EXPECT_EQ(row.selected, 0);  // code 0: "Off"
    EXPECT_TRUE(row.enabled);
}

TEST_F(PageTest, MoreThanAHundredRowsIsARangeError) {
    static std::vector<TParamEntry> rows(101, TParamEntry{.flags = kPfHeading, .handler = Logged});
    Ws().CurrentPage.params = rows.data();
    Ws().CurrentPage.lastParam = 100;
    EXPECT_THROW(BuildFormpage(), RangeError);
    Ws().CurrentPage.lastParam = 99;
    EXPECT_EQ(BuildFormpage().rows.size(), 100u);
}

}  // namespace
}  // namespace tessalin::test
