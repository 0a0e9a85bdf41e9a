#include "page_fixture.h"

#include "core/families/menu_registry.h"
#include "core/page/number_reason.h"
#include "core/page/sub_page.h"
#include "core/tree/device_tree.h"

namespace tessalin::test {
namespace {

TEST_F(PageTest, NumberCheckAndCommit) {
    const struct {
        int row;
        const char* typed;
        bool leaving;
        int result;
        bool stored;
        const char* shown;
        EditColour colour;
        bool beep;
        float storedValue;  // read back through the row's encoding
    } cases[] = {
        {1, "7.5", false, 0, true, "7.5", EditColour::White, false, 7.5f},
        {1, "7,25", true, 0, true, "7.25", EditColour::White, false, 7.25f},  // left: shown as stored
        {1, "15", false, 4, false, "15", EditColour::Red, false, 7.0f},
        {1, "15", true, 4, true, "14.00", EditColour::Lime, false, 14.0f},
        {1, "-1", true, 3, true, "0.00", EditColour::Lime, false, 0.0f},
        {1, "abc", true, 1, false, "abc", EditColour::Red, true, 7.0f},
        {1, "   ", false, 1, false, "   ", EditColour::Red, false, 7.0f},
        {3, "2.5", true, 2, true, "2", EditColour::Yellow, false, 2.0f},
        {3, "2.5", false, 2, false, "2.5", EditColour::Red, false, -12.0f},
        {3, "12000", true, 4, true, "9999", EditColour::Lime, false, 9999.0f},
    };
    for (const auto& c : cases) {
        SetUp();
        PageModel page = BuildFormpage();
        const NumberOutcome out = CommitNumber(page, c.row, c.typed, c.leaving);
        const std::string what = std::to_string(c.row) + " '" + c.typed + "' " + (c.leaving ? "leaving" : "typing");
        EXPECT_EQ(out.result, c.result) << what;
        EXPECT_EQ(out.stored, c.stored) << what;
        EXPECT_EQ(out.text, c.shown) << what;
        EXPECT_EQ(out.colour, c.colour) << what;
        EXPECT_EQ(out.beep, c.beep) << what;
        EXPECT_EQ(page.find(c.row)->value, c.shown) << what;
        EXPECT_TRUE(Ws().Modified) << what;
        const float value = c.row == 1 ? Ws().ParImage.i16(kSlot1Set + 20) / 100.0f : Ws().ParImage.f32(kSlot1Set + 24);
        EXPECT_FLOAT_EQ(value, c.storedValue) << what;
        EXPECT_EQ(gLog.count(c.row, kEvCommitted), c.stored ? 1 : 0) << what;
    }
}

TEST_F(PageTest, ARedNumberSaysWhy) {
    const struct {
        int row;
        const char* typed;
        int language;
        const char* reason;
    } cases[] = {
        {1, "12a", 0, "Keine Zahl"},
        {1, "15", 1, "Above the upper limit 14.00"},
        {1, "-1", 0, "Kleiner als die untere Grenze 0.00"},
        {3, "2.5", 1, "Whole numbers only"},
        {1, "7", 1, ""},
    };
    for (const auto& c : cases) {
        SetUp();
        PageModel page = BuildFormpage();
        EXPECT_EQ(NumberRefusalReason(CommitNumber(page, c.row, c.typed, false), c.language), c.reason) << c.typed;
    }
}

TEST_F(PageTest, StoredNumbersSendEventThreeAndRefreshLabels) {
    PageModel page = BuildFormpage();
    // Row 11's label comes from its handler and names PH-SET +30.
    Ws().ParImage.setU8(kSlot1Set + 30, 9);
    NumberOutcome out = CommitNumber(page, 11, "42", true);
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(gLog.count(11, kEvCommitted), 1);
    EXPECT_TRUE(out.followUp.refreshLabels);
    EXPECT_FALSE(out.followUp.refreshRows);
    EXPECT_EQ(page.find(11)->label, "Limit 9");
    EXPECT_EQ(Ws().CurrentParam.param, &kRows[11]);

    out = CommitNumber(page, 11, "x", true);
    EXPECT_EQ(gLog.count(11, kEvCommitted), 1);  // a non-number sends nothing
}

TEST_F(PageTest, ChangingTheUnitRechecksTheNumberInTheNewUnit) {
    PageModel page = BuildFormpage();
    CommitNumber(page, 12, "5", false);
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSlot1Set + 44), 5000.0f);  // shown in mS/cm
    const NumberOutcome out = ChangeUnit(page, 12, 0, true);
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(page.find(12)->unitIndex, 0);
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(kSlot1Set + 44), 5.0f);
    EXPECT_THROW(ChangeUnit(page, 12, 2, true), RangeError);
}

TEST_F(PageTest, ChoiceWithBothSetsFlagLandsInBothSetsAndRefreshesTheRows) {
    Ws().ActiveParamSet = true;
    Ws().ParImage.setU8(kSlot1Set + 0x2000 + 11, 2);
    PageModel page = BuildFormpage();
    ASSERT_TRUE(page.find(1)->enabled);
    Ws().ParImage.setF32(kSlot1Set + 0x2000 + 52, 44);
    const int headingAsked = gLog.count(14, kEvRowEditable);

    const FollowUp follow = CommitChoice(page, 2, 0);  // Auto
    EXPECT_EQ(Byte(kSlot1Set + 11), 1);
    EXPECT_EQ(Byte(kSlot1Set + 0x2000 + 11), 1);
    EXPECT_TRUE(follow.refreshRows);
    EXPECT_FALSE(follow.rebuildPage);
    EXPECT_FALSE(page.find(1)->enabled);  // Auto makes the nominal value read-only
    // The value under a heading takes part as every other number edit does.
    EXPECT_EQ(page.find(14)->value, "44");
    EXPECT_EQ(gLog.count(14, kEvRowEditable), headingAsked + 1);
    EXPECT_EQ(Ws().CurrentParam.param, &kRows[2]);
    EXPECT_TRUE(Ws().Modified);
}

TEST_F(PageTest, ChoosingTheShownItemStoresNothing) {
    PageModel page = BuildFormpage();
    Ws().ParImage.setU8(kSlot1Set + 30, 8);
    const std::size_t events = gLog.events.size();
    CommitChoice(page, 5, 1);
    EXPECT_EQ(gLog.events.size(), events);
    EXPECT_FALSE(Ws().Modified);

    const FollowUp follow = CommitChoice(page, 5, 0);
    EXPECT_EQ(Byte(kSlot1Set + 30), 7);
    EXPECT_EQ(Byte(kSlot1Set + 0x2000 + 30), 0);  // no both-sets flag
    EXPECT_EQ(gLog.count(5, kEvCommitted), 1);
    EXPECT_FALSE(follow.refreshRows);
    EXPECT_THROW(CommitChoice(page, 5, 2), RangeError);
}

// A one-item list shows its item over any stored byte; choosing it stores the item's code.
TEST_F(PageTest, ChoosingTheOnlyItemStoresItOverAnotherByte) {
    const TParamEntry rows[] = {{.location = At(Section::PH_SET, 11), .flags = kU8, .kind = kKindChoice,
                                 .handler = Logged, .texts = &kOneItem}};
    Ws().CurrentPage.params = rows;
    Ws().CurrentPage.lastParam = 0;
    PageModel page = BuildFormpage();  // the byte holds 2
    ASSERT_EQ(page.find(0)->selected, 0);
    CommitChoice(page, 0, 0);
    EXPECT_EQ(Byte(kSlot1Set + 11), 5);
    EXPECT_TRUE(Ws().Modified);
    Ws().Modified = false;
    CommitChoice(page, 0, 0);  // now stored: nothing more
    EXPECT_FALSE(Ws().Modified);
}

// A row whose location has no place for the page's module (a calculation-block section on a module slot,
// an offset beyond its section) stores nothing, says so, and leaves the data set unchanged.
TEST_F(PageTest, ACommitWithoutAPlaceIsReportedAsNotWritten) {
    const TParamEntry rows[] = {
        {.arg = 5 | (10 << 8), .location = At(Section::CALCPH_SET, 0), .kind = kKindText, .valueType = 5,
         .handler = Logged, .texts = &kTag},
        {.location = At(Section::CALCPH_SET, 1), .flags = kU8, .kind = kKindChoice, .handler = Logged, .texts = &kMode},
        {.location = At(Section::CALCPH_SET, 2), .kind = kKindNumber, .valueType = 21, .handler = Logged, .texts = &kShown},
        {.location = At(Section::PH_SET, 400), .flags = kPfInt8, .kind = kKindSlider, .lower = -10, .upper = 10,
         .handler = Logged, .texts = &kLevel},
        {.location = At(Section::CALCPH_FIX, 0), .kind = kKindTime, .valueType = 81, .handler = Logged, .texts = &kAt},
    };
    Ws().CurrentPage.params = rows;
    Ws().CurrentPage.lastParam = 4;
    PageModel page = BuildFormpage();
    const ParImageBuffer before = Ws().ParImage;

    EXPECT_TRUE(CommitText(page, 0, "XY").notWritten);
    EXPECT_TRUE(CommitChoice(page, 1, page.find(1)->selected == 0 ? 1 : 0).notWritten);
    const NumberOutcome number = CommitNumber(page, 2, "3", true);
    EXPECT_TRUE(number.followUp.notWritten);
    EXPECT_FALSE(number.stored);
    EXPECT_TRUE(CommitSlider(page, 3, 4).notWritten);
    const NumberOutcome time = CommitTime(page, 4, 7, 30);
    EXPECT_TRUE(time.followUp.notWritten);
    EXPECT_FALSE(time.stored);

    EXPECT_FALSE(Ws().Modified);
    for (long long i = 0; i < static_cast<long long>(kImageSize); ++i) ASSERT_EQ(Ws().ParImage.u8(i), before.u8(i)) << i;
}

// A time beyond 23:59 is stored as 23:59 and reported as corrected to that limit.
TEST_F(PageTest, ATimeBeyondTheDayIsCorrectedToItsLimit) {
    PageModel page = BuildFormpage();
    const NumberOutcome out = CommitTime(page, 8, 25, 70);
    EXPECT_EQ(out.result, kCheckAbove);
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(out.text, "23:59");
    EXPECT_EQ(page.find(8)->value, "23:59");
}

// Tabbing through a page leaves every control as it was shown: nothing is written, nothing is changed,
// and an empty text field stays empty rather than becoming a row of device blanks.
TEST_F(PageTest, LeavingControlsUnchangedWritesNothing) {
    for (int i = 0; i < 10; ++i) Ws().ParImage.setU8(kSlot1Set + 100 + i, 0);
    PageModel page = BuildFormpage();
    ASSERT_EQ(page.find(4)->value, "");  // the text field's bytes are zero
    const ParImageBuffer before = Ws().ParImage;
    const std::size_t events = gLog.events.size();

    CommitText(page, 4, page.find(4)->value);
    for (int row : {1, 3, 12}) CommitNumber(page, row, page.find(row)->value, true);
    ChangeUnit(page, 12, page.find(12)->unitIndex, true);
    CommitTime(page, 8, page.find(8)->hour, page.find(8)->minute);

    EXPECT_FALSE(Ws().Modified);
    EXPECT_EQ(gLog.events.size(), events);
    for (long long i = 0; i < static_cast<long long>(kImageSize); ++i) ASSERT_EQ(Ws().ParImage.u8(i), before.u8(i)) << i;

    // A changed time still goes in.
    CommitTime(page, 8, 7, 30);
    EXPECT_TRUE(Ws().Modified);
    EXPECT_EQ(page.find(8)->value, "07:30");
}

TEST_F(PageTest, TextCommitFiltersPadsAndRequestsARebuild) {
    PageModel page = BuildFormpage();
    const FollowUp follow = CommitText(page, 4, "ab c?d");
    const uint8_t expected[10] = {'A', 'B', 0xB7, 'C', 'D', 0xB7, 0xB7, 0xB7, 0xB7, 0xB7};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Byte(kSlot1Set + 100 + i), expected[i]) << i;
    EXPECT_EQ(page.find(4)->value, "AB·CD·····");
    EXPECT_EQ(gLog.count(4, kEvCommitted), 1);
    EXPECT_TRUE(follow.rebuildPage);
    EXPECT_TRUE(Ws().PageRebuildRequest);

    CommitText(page, 4, "ABCDEFGHIJKL");  // cut at the field length
    EXPECT_EQ(page.find(4)->value, "ABCDEFGHIJ");
    EXPECT_EQ(Byte(kSlot1Set + 110), 0);
}

TEST_F(PageTest, TextChangeRenamesTheSelectedNode) {
    BuildFormpage();
    EXPECT_FALSE(RenameNodeFromText(4, "X"));  // no node selected
    TreeNode node;
    node.text = "Old";
    Ws().Tree.nodes.push_back(node);
    Ws().Tree.selected = 0;
    EXPECT_TRUE(RenameNodeFromText(4, "NEW"));
    EXPECT_EQ(Ws().Tree.nodes[0].text, "NEW");
    EXPECT_FALSE(RenameNodeFromText(1, "X"));  // no rename flag
}

TEST_F(PageTest, SliderTimeAndMatrix) {
    PageModel page = BuildFormpage();
    CommitSlider(page, 7, 5);
    EXPECT_EQ(static_cast<int8_t>(Byte(kSlot1Set + 31)), 5);
    CommitSlider(page, 7, -50);  // held to the slider's range
    EXPECT_EQ(static_cast<int8_t>(Byte(kSlot1Set + 31)), -10);
    CommitTime(page, 8, 23, 30);
    EXPECT_EQ(Byte(kSlot1Set + 32), 30);
    EXPECT_EQ(Byte(kSlot1Set + 33), 23);
    EXPECT_EQ(page.find(8)->value, "23:30");
    EXPECT_EQ(gLog.count(7, kEvCommitted) + gLog.count(8, kEvCommitted), 0);

    ClickMatrixCell(page, 9, 1, 2, true);
    EXPECT_EQ(Byte(0x7010 + 1 * 3 + 2), 1);
    EXPECT_EQ(page.find(9)->cells[1][2], kCellOn);
    EXPECT_TRUE(Ws().Modified);
    EXPECT_THROW(ClickMatrixCell(page, 9, 2, 0, true), RangeError);
}

TEST_F(PageTest, ButtonsRebuildRefreshOrOpenASubPage) {
    // The page shows each button's state as its handler gives it (event 31: scratch 0x7000 set).
    EXPECT_FALSE(BuildFormpage().find(6)->buttons[1].enabled);
    Ws().ParImage.setU8(0x7000, 1);
    PageModel page = BuildFormpage();
    ASSERT_TRUE(page.find(6)->buttons[1].enabled);
    Ws().ParImage.setU8(0x7000, 0);

    ButtonOutcome out = PressButton(page, 6, 1, false);  // event 30 answers true
    EXPECT_TRUE(out.followUp.rebuildPage);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    EXPECT_EQ(out.subPage, nullptr);
    EXPECT_FALSE(out.followUp.refreshButtons);

    Ws().PageRebuildRequest = false;
    out = PressButton(page, 6, 2, true);  // on the sub-page dialog: nothing
    EXPECT_EQ(gLog.count(6, kEvButtonPressed), 1);

    out = PressButton(page, 6, 2, false);
    ASSERT_EQ(out.subPage, &kSubEntry);
    const TTabPtrRec mainPage = Ws().CurrentPage;
    {
        SubPageSession session(*out.subPage, 6);
        EXPECT_EQ(session.title(), "<font color=\"#00a000\">Sub-page</font>");
        PageModel sub = session.build();
        ASSERT_EQ(sub.rows.size(), 1u);
        EXPECT_EQ(Ws().FormpageRows[0].param, &kSubRows[0]);
        EXPECT_EQ(Ws().FormpageRows[0].slot, 0);
        CommitNumber(sub, 0, "12", true);
        EXPECT_EQ(Byte(kSlot1Set + 60), 12);

        Ws().ParImage.setU8(0x7001, 1);  // event 11 answers true: labels only
        const FollowUp closed = session.close(true, page);
        EXPECT_TRUE(closed.refreshLabels);
        EXPECT_FALSE(closed.rebuildPage);
        EXPECT_TRUE(closed.refreshButtons);
        EXPECT_FALSE(page.find(6)->buttons[1].enabled);  // event 31: scratch 0x7000 is clear
    }
    EXPECT_EQ(Ws().CurrentPage.entry, mainPage.entry);
    EXPECT_EQ(Ws().FormpageRows[0].param, &kRows[0]);
    EXPECT_EQ(Ws().CurrentParam.param, &kRows[6]);

    SubPageSession again(kSubEntry, 6);
    Ws().ParImage.setU8(0x7001, 0);  // event 11 answers false: rebuild the main page
    EXPECT_TRUE(again.close(true, page).rebuildPage);
    EXPECT_TRUE(Ws().PageRebuildRequest);
}

TEST_F(PageTest, RowsOfAnotherKindOrWithoutEntryIgnoreCommits) {
    PageModel page = BuildFormpage();
    EXPECT_FALSE(CommitNumber(page, 2, "1", true).stored);      // a choice row
    EXPECT_FALSE(CommitNumber(page, 14, "1", true).stored);     // a heading's value is read-only
    EXPECT_FALSE(CommitNumber(page, 13, "1", true).stored);     // hidden
    EXPECT_FALSE(CommitChoice(page, 1, 0).refreshRows);
    EXPECT_FALSE(Ws().Modified);
    EXPECT_THROW(CommitNumber(page, 100, "1", true), RangeError);
}

// A flag-6 choice on the page of a menu node: it hides a sibling menu entry, the branch is rebuilt and the
// selection stays on the entry.
bool SiblingShown(int, TEvParRec&) { return Ws().ParImage.u8(0x0800 + 70) == 0; }
bool Shown(int, TEvParRec&) { return true; }
constexpr TextRecord kSwitch = T("Schalter", "Switch", "0|Zeigen|1|Verbergen", "0|Show|1|Hide");
constexpr TParamEntry kSwitchRows[] = {
    {.location = At(Section::PH_SET, 70), .flags = kPfUInt8 | kPfRebuildBranch, .kind = kKindChoice, .handler = Shown,
     .texts = &kSwitch},
};
constexpr TextRecord kA = T("A", "A"), kB = T("B", "B"), kC = T("C", "C");
constexpr TMenuEntry kBranchMenu[] = {
    {.level = 1, .handler = Shown, .texts = &kA},
    {.level = 2, .handler = Shown, .texts = &kB, .params = kSwitchRows, .lastParam = 0},
    {.level = 2, .handler = SiblingShown, .texts = &kC},
    {.level = 1, .handler = Shown, .texts = &kC},
    {.level = -1},
};

TEST_F(PageTest, FlagSixRebuildsOnlyTheBranchAndKeepsTheSelection) {
    ScopedMenuOverride menu(3, MenuTable{"Branch", kBranchMenu, 4});
    ASSERT_TRUE(BuildDeviceTree());
    // The module's node follows the front unit's.
    const std::string m = NodePath(Ws().Tree.roots.back());
    const int b = NodeAtPath(m + "/0/0");
    ASSERT_GE(b, 0);
    ASSERT_EQ(Ws().Tree.nodes[b].text, "B");
    DeviceTreeChange(b);
    PageModel page = BuildFormpage();
    const std::size_t top = Ws().Tree.nodes[NodeAtPath(m)].children.size();

    const FollowUp follow = CommitChoice(page, 0, 1);
    EXPECT_TRUE(follow.rebuildBranch);
    EXPECT_FALSE(follow.rebuildTree);
    EXPECT_EQ(Ws().Tree.nodes[NodeAtPath(m + "/0")].children.size(), 1u);
    EXPECT_EQ(Ws().Tree.nodes[NodeAtPath(m)].children.size(), top);
    EXPECT_EQ(NodePath(Ws().Tree.selected), m + "/0/0");
    EXPECT_EQ(Ws().CurrentPage.entry, &kBranchMenu[1]);
    EXPECT_EQ(Ws().CurrentPage.title, "B");
}

}  // namespace
}  // namespace tessalin::test
