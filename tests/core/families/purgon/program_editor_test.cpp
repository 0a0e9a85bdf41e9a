// The program editor of MenuProbe through the tree and page models: the Purgon node, the week program
// with its switching points, copy rows and time lines, the fixed interval, and the step programs.
#include <algorithm>

#include "core/catalogue/codec.h"
#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "purgon_fixture.h"
#include "support/image_builder.h"

namespace tessalin::test {
namespace {

constexpr int kController = 0, kFixedInterval = 2, kWeekProgram = 3, kMonday = 4;
constexpr int ProgramEntry(int k) { return 11 + k; }
constexpr int StepRow(int n) { return 2 + n; }
constexpr int kMondayAt = 300, kFridayAt = 700;  // block offsets of the days
constexpr int ProgramAt(int k) { return 800 + 150 * (k - 1); }

using PurgonTree = PurgonFixture;

TEST_F(PurgonTree, NodeFollowsItsCarrierAndShowsTheMenuByTheControlRules) {
    MakeDevice();
    const int node = PurgonNode();
    ASSERT_GE(node, 0);
    const std::vector<int> order = NodesInOrder();
    const auto at = std::find(order.begin(), order.end(), node);
    ASSERT_NE(at, order.begin());
    // The node before the Purgon node's branch is inside the pH module's branch or the module itself.
    int a = 0, b = 0;
    ASSERT_TRUE(ComponentTagNumbers(Ws().Tree.nodes[node].text, a, b));
    EXPECT_EQ(a, 79);
    EXPECT_EQ(b, 1);
    const int root = std::find(Ws().Tree.roots.begin(), Ws().Tree.roots.end(), node) - Ws().Tree.roots.begin();
    ASSERT_GE(root, 1);
    ASSERT_TRUE(ComponentTagNumbers(Ws().Tree.nodes[Ws().Tree.roots[root - 1]].text, a, b));
    EXPECT_EQ(a, 4);

    // Factory defaults: control on, fixed interval, continuous measurement.
    EXPECT_EQ(VisibleEntries(), (std::vector<int>{0, 1, 2, 11, 12, 13, 14, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29}));
    // User programs are titled by their names.
    EXPECT_EQ(Ws().Tree.nodes[EntryNode(ProgramEntry(7))].text.find("Prog. 7") != std::string::npos, true);

    // Week program instead of the fixed interval: the branch is rebuilt with the seven days.
    PageModel page = OpenEntry(kController);
    const FollowUp follow = Choose(page, 3, 2);
    EXPECT_TRUE(follow.rebuildBranch);
    EXPECT_EQ(BlockByte(10), 2);
    EXPECT_LT(EntryNode(kFixedInterval), 0);
    for (int e = kWeekProgram; e <= kWeekProgram + 7; ++e) EXPECT_GE(EntryNode(e), 0) << e;

    // Control off hides everything but the controller entry.
    SetBlockByte(2300, 2);
    BuildDeviceTree();
    EXPECT_EQ(VisibleEntries(), (std::vector<int>{0}));
}

TEST_F(PurgonTree, ProgramsFollowTheMeasuringProcedureAndTheSecondControllerType) {
    MakeDevice({.major = '9', .modules = {4}, .purgon = 80, .options = {}});
    SetBlockByte(2301, 2);  // short-time
    BuildDeviceTree();
    EXPECT_LT(EntryNode(ProgramEntry(1)), 0);
    EXPECT_GE(EntryNode(ProgramEntry(4)), 0);
    SetBlockByte(2300, 3);  // the second controller type: no user programs, the type's own titles
    BuildDeviceTree();
    EXPECT_LT(EntryNode(ProgramEntry(7)), 0);
    EXPECT_NE(Ws().Tree.nodes[EntryNode(ProgramEntry(4))].text.find("Measure"), std::string::npos);
    EXPECT_NE(Ws().Tree.nodes[EntryNode(ProgramEntry(5))].text.find("Clean"), std::string::npos);
    EXPECT_GE(EntryNode(28), 0);  // second media adapter variant
    EXPECT_LT(EntryNode(27), 0);
}

class WeekProgram : public PurgonFixture {
protected:
    void SetUp() override {
        PurgonFixture::SetUp();
        MakeDevice();
        SetBlockByte(10, 2);
        BuildDeviceTree();
    }
};

TEST_F(WeekProgram, SwitchingPointIsEditedThroughItsSubPage) {
    PageModel day = OpenEntry(kMonday);
    EXPECT_EQ(ShownRows(day), (std::vector<int>{0}));  // one choice row, no button
    EXPECT_EQ(day.rows[0].label, "01: Program");
    EXPECT_EQ(ItemCodes(day, 0), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    Choose(day, 0, 1);
    EXPECT_EQ(BlockByte(kMondayAt), 1);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    day = BuildFormpage();
    EXPECT_EQ(ShownRows(day), (std::vector<int>{0, 1, 2}));

    const ButtonOutcome pressed = PressButton(day, 1, 1, false);
    ASSERT_EQ(pressed.subPage, &ProbePointEditor);
    SubPageSession session(*pressed.subPage, 1);
    PageModel editor = session.build();
    Choose(editor, 0, 2);  // interval mode
    editor = session.build();
    EXPECT_EQ(ShownRows(editor), (std::vector<int>{0, 2, 3, 4}));
    CommitTime(editor, 2, 6, 0);
    CommitTime(editor, 3, 9, 0);
    EXPECT_TRUE(CommitNumber(editor, 4, "1.0", true).stored);
    const FollowUp closed = session.close(true, day);
    EXPECT_TRUE(closed.refreshLabels);
    const std::vector<int> bytes = {BlockByte(kMondayAt + 1), BlockByte(kMondayAt + 2), BlockByte(kMondayAt + 3),
                                    BlockByte(kMondayAt + 4), BlockByte(kMondayAt + 5), BlockByte(kMondayAt + 6),
                                    BlockByte(kMondayAt + 7)};
    EXPECT_EQ(bytes, (std::vector<int>{2, 0, 6, 0, 9, 10, 0}));
    EXPECT_EQ(day.find(1)->label, "Start 06:00   End 09:00   Int. 1.0 h");
}

TEST_F(WeekProgram, EndingTheListAtAPointClearsTheLaterPoints) {
    for (int n = 1; n <= 10; ++n) SetBlockByte(kMondayAt + 8 * (n - 1), 1);
    PageModel day = OpenEntry(kMonday);
    EXPECT_EQ(day.rows.size(), 20u);
    Choose(day, 4, 0);  // point 3: "--- End ---"
    for (int n = 3; n <= 10; ++n) EXPECT_EQ(BlockByte(kMondayAt + 8 * (n - 1)), 0) << n;
    EXPECT_EQ(BlockByte(kMondayAt + 8), 1);
}

TEST_F(WeekProgram, CopyRowCopiesTheDayAndKeepsItsChoiceApart) {
    for (int i = 0; i < 100; ++i) SetBlockByte(kMondayAt + i, i + 1);
    PageModel week = OpenEntry(kWeekProgram);
    EXPECT_EQ(Ws().ParImage.u8(0x7002), 8);  // Monday's target starts at "(x)"
    const PageRow* monday = week.find(1);
    ASSERT_NE(monday, nullptr);
    EXPECT_EQ(ItemCodes(week, 1), (std::vector<int>{8, 3, 4, 5, 6, 0, 1}));
    Choose(week, 1, 6);  // Friday
    EXPECT_EQ(Ws().ParImage.u8(0x7002), 6);
    EXPECT_EQ(Ws().ParImage.u8(0x7006), 8);  // Friday's own row keeps its own choice
    EXPECT_TRUE(PressButton(week, 1, 1, false).followUp.rebuildPage);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(BlockByte(kFridayAt + i), i + 1) << i;
    EXPECT_EQ(BlockByte(kFridayAt + 100), 0);  // the program block behind the days is untouched
    EXPECT_TRUE(Ws().Modified);
}

TEST_F(WeekProgram, TimeLineDrawsMarksAndBarsOfTheDay) {
    // Point 1: program 2, 06:00 to 09:00 every 1.0 h; point 2: program 1 once at 12:30.
    const uint8_t points[] = {2, 2, 0, 6, 0, 9, 10, 0, 1, 1, 30, 12, 0, 0, 0, 0};
    for (int i = 0; i < 16; ++i) SetBlockByte(kMondayAt + i, points[i]);
    OpenEntry(kWeekProgram);
    RecordingCanvas canvas;
    DrawPictureRow(0, &canvas);  // Monday's picture
    const int x0 = 6 * 10 + 14;   // widest label "Cal 2point" at 6 pixels a character
    EXPECT_EQ(canvas.width, x0 + 208);
    EXPECT_EQ(canvas.height, 136);
    std::vector<std::pair<double, double>> marks;
    std::vector<RecordingCanvas::Op> bars;
    for (const auto& op : canvas.ops) {
        if (op.kind == 'F' && op.colour == 0x000000) marks.emplace_back(op.x, op.y);
        if (op.kind == 'F' && op.colour == 0x0000FF) bars.push_back(op);
    }
    const double row2 = 115 - 14 * 2, row1 = 115 - 14;
    EXPECT_EQ(marks, (std::vector<std::pair<double, double>>{
                         {x0 + 48, row2}, {x0 + 56, row2}, {x0 + 64, row2}, {x0 + 100, row1}}));
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].x, x0 + 48);
    EXPECT_EQ(bars[0].w, 72 + 1 - 48);
    EXPECT_EQ(bars[0].y, row2 + 2);
    const bool titled = std::any_of(canvas.ops.begin(), canvas.ops.end(),
                                    [](const auto& op) { return op.kind == 'T' && op.text == "Monday"; });
    EXPECT_TRUE(titled);
}

TEST_F(WeekProgram, TimeLineStopsRepeatingAtInvalidIntervalsAndDrawsInvalidTimesAtTheAxisStart) {
    struct Case {
        uint8_t interval;
        uint8_t startHour, startMinute;
        std::size_t marks;
        bool firstAtAxisStart;
    };
    for (const Case c : {Case{0, 6, 0, 1, false}, Case{240, 6, 0, 1, false}, Case{10, 6, 75, 2, true}}) {
        const uint8_t point[] = {1, 2, c.startMinute, c.startHour, 0, 9, c.interval, 0, 0};
        for (int i = 0; i < 9; ++i) SetBlockByte(kMondayAt + i, point[i]);
        OpenEntry(kWeekProgram);
        RecordingCanvas canvas;
        DrawPictureRow(0, &canvas);
        std::vector<double> marks;
        for (const auto& op : canvas.ops)
            if (op.kind == 'F' && op.colour == 0) marks.push_back(op.x);
        ASSERT_EQ(marks.size(), c.marks) << int(c.interval) << " " << int(c.startMinute);
        EXPECT_EQ(marks[0] == 6 * 10 + 14, c.firstAtAxisStart);
    }
}

TEST_F(PurgonTree, FixedIntervalRowsWriteProgramAndTenthsOfAnHour) {
    MakeDevice();
    PageModel page = OpenEntry(kFixedInterval);
    EXPECT_EQ(ItemCodes(page, 2), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    Choose(page, 2, 3);
    EXPECT_TRUE(CommitNumber(page, 3, "12.5", true).stored);
    EXPECT_EQ(BlockByte(14), 3);
    EXPECT_EQ(BlockByte(15) | BlockByte(16) << 8, 125);
}

class StepProgram : public PurgonFixture {
protected:
    void SetUp() override {
        PurgonFixture::SetUp();
        MakeDevice();
    }
    static void SetStep(int k, int n, std::array<int, 4> step) {
        for (int i = 0; i < 4; ++i) SetBlockByte(ProgramAt(k) + 4 * (n - 1) + i, step[i]);
    }
    static std::array<int, 4> Step(int k, int n) {
        std::array<int, 4> s{};
        for (int i = 0; i < 4; ++i) s[i] = BlockByte(ProgramAt(k) + 4 * (n - 1) + i);
        return s;
    }
};

TEST_F(StepProgram, StepIsEditedThroughTheStepEditor) {
    PageModel page = OpenEntry(ProgramEntry(1));
    EXPECT_EQ(Ws().ParImage.u8(0x7000), 1);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{StepRow(1)}));
    EXPECT_EQ(page.rows[0].label, "01: Program end");
    ASSERT_EQ(page.rows[0].buttons.size(), 3u);
    EXPECT_EQ(page.rows[0].buttons[1].glyph, "EINFUEGEN");
    EXPECT_EQ(page.rows[0].buttons[2].hint, "Delete");

    const ButtonOutcome pressed = PressButton(page, StepRow(1), 1, false);
    ASSERT_EQ(pressed.subPage, &ProbeStepEditor);
    SubPageSession session(*pressed.subPage, StepRow(1));
    PageModel editor = session.build();
    const std::vector<int> functions = ItemCodes(editor, 0);
    // Program 1 of a controller that is on: no wait position of the service program, the cal buffers offered.
    EXPECT_EQ(std::count(functions.begin(), functions.end(), 9), 0);
    EXPECT_EQ(std::count(functions.begin(), functions.end(), 151), 1);
    EXPECT_EQ(std::count(functions.begin(), functions.end(), 7), 0);  // measuring time needs short-time
    Choose(editor, 0, 3);  // rinse water on: run-time and monitoring
    editor = session.build();
    EXPECT_EQ(ShownRows(editor), (std::vector<int>{0, 1, 5}));
    EXPECT_TRUE(CommitNumber(editor, 1, "45", true).stored);
    Choose(editor, 5, 1);
    EXPECT_FALSE(session.close(true, page).refreshLabels);
    EXPECT_EQ(Step(1, 1), (std::array<int, 4>{3, 45, 0, 1}));
    page = BuildFormpage();
    EXPECT_EQ(page.find(StepRow(1))->label, "01: Rinse water On   45 s  Chk");
    EXPECT_NE(page.find(StepRow(2)), nullptr);
}

// A "Goto line" names a line of its program: in a program of six steps and its end marker on line 7, the
// editor takes 7 and corrects 30 to 7.
TEST_F(StepProgram, GotoLineStaysInsideItsProgram) {
    for (int n = 1; n <= 6; ++n) SetStep(1, n, {3, 10, 0, 1});
    SetStep(1, 7, {0, 0, 0, 2});
    PageModel page = OpenEntry(ProgramEntry(1));
    const ButtonOutcome pressed = PressButton(page, StepRow(6), 1, false);
    SubPageSession session(*pressed.subPage, StepRow(6));
    PageModel editor = session.build();
    Choose(editor, 0, 10);  // Goto line: target and repeat cycles
    editor = session.build();
    EXPECT_EQ(CommitNumber(editor, 3, "7", true).result, kCheckAccepted);
    const NumberOutcome corrected = CommitNumber(editor, 3, "30", true);
    EXPECT_EQ(corrected.result, kCheckAbove);
    EXPECT_EQ(corrected.text, "7");
    session.close(true, page);
    EXPECT_EQ(Step(1, 6), (std::array<int, 4>{10, 7, 0, 1}));
}

TEST_F(StepProgram, MediaStepsAreNamedByTheirMediaWithForeignCharactersMended) {
    const char name[] = "Acid#\xB7" "5%";
    for (int i = 0; i < 16; ++i) SetBlockByte(2450 + i, i < 8 ? static_cast<uint8_t>(name[i]) : 0xB7);
    PageModel page = OpenEntry(ProgramEntry(1));
    const ButtonOutcome pressed = PressButton(page, StepRow(1), 1, false);
    SubPageSession session(*pressed.subPage, StepRow(1));
    const PageModel editor = session.build();
    const PageRow* function = editor.find(0);
    ASSERT_NE(function, nullptr);
    const auto medium = std::find_if(function->items.begin(), function->items.end(),
                                     [](const ChoiceItem& item) { return item.code == 142; });
    ASSERT_NE(medium, function->items.end());
    EXPECT_EQ(medium->text, "Acid  5");
    EXPECT_EQ(BlockByte(2454), '.');  // stored back as the device can show it
    EXPECT_EQ(BlockByte(2457), '.');
    session.close(false, page);
}

TEST_F(StepProgram, InsertMovesStepsDownAndFollowsGotoTargets) {
    SetStep(1, 1, {1, 0, 0, 2});
    SetStep(1, 2, {8, 30, 0, 2});
    SetStep(1, 3, {8, 40, 0, 2});
    SetStep(1, 4, {2, 0, 0, 2});
    SetStep(1, 5, {10, 3, 4, 2});  // goto line 3, four times
    SetStep(1, 6, {10, 1, 2, 2});  // goto line 1 stays
    PageModel page = OpenEntry(ProgramEntry(1));
    EXPECT_TRUE(PressButton(page, StepRow(2), 2, false).followUp.rebuildPage);
    EXPECT_EQ(Step(1, 2), (std::array<int, 4>{63, 0, 0, 2}));
    EXPECT_EQ(Step(1, 3), (std::array<int, 4>{8, 30, 0, 2}));
    EXPECT_EQ(Step(1, 6), (std::array<int, 4>{10, 4, 4, 2}));
    EXPECT_EQ(Step(1, 7), (std::array<int, 4>{10, 1, 2, 2}));
    EXPECT_TRUE(Ws().Modified);
    page = BuildFormpage();
    EXPECT_EQ(page.find(StepRow(6))->label, "06: Goto line 4   4 x");
}

TEST_F(StepProgram, DeleteMovesStepsUpAndTheLastStepEndsTheProgram) {
    SetStep(2, 1, {8, 30, 0, 2});
    PageModel page = OpenEntry(ProgramEntry(2));
    PressButton(page, StepRow(1), 3, false);
    EXPECT_EQ(Step(2, 1)[0], 0);
    EXPECT_EQ(Step(2, 30), (std::array<int, 4>{0, 0, 0, 2}));

    for (int n = 1; n <= 30; ++n) SetStep(2, n, {8, n, 0, 2});
    SetStep(2, 30, {10, 30, 1, 2});
    page = OpenEntry(ProgramEntry(2));
    PressButton(page, StepRow(4), 3, false);
    EXPECT_EQ(Step(2, 4), (std::array<int, 4>{8, 5, 0, 2}));
    EXPECT_EQ(Step(2, 29), (std::array<int, 4>{10, 29, 1, 2}));
    EXPECT_EQ(Step(2, 30), (std::array<int, 4>{0, 0, 0, 2}));
}

TEST_F(StepProgram, InsertIsRefusedOnAFullProgramAndOnTheLastRow) {
    for (int n = 1; n <= 30; ++n) SetStep(3, n, {8, n, 0, 2});
    PageModel page = OpenEntry(ProgramEntry(3));
    EXPECT_EQ(page.rows.size(), 30u);
    RefreshButtons(page);
    EXPECT_FALSE(page.find(StepRow(1))->buttons[1].enabled);
    EXPECT_FALSE(PressButton(page, StepRow(1), 2, false).followUp.rebuildPage);
    EXPECT_EQ(Step(3, 30), (std::array<int, 4>{8, 30, 0, 2}));

    SetStep(3, 29, {0, 0, 0, 2});
    page = OpenEntry(ProgramEntry(3));
    RefreshButtons(page);
    EXPECT_TRUE(page.find(StepRow(1))->buttons[1].enabled);
    EXPECT_EQ(page.find(StepRow(30)), nullptr);
}

TEST_F(StepProgram, UserProgramNameIsShownOnItsOwnPageAndRenamesTheNode) {
    PageModel page = OpenEntry(ProgramEntry(8));
    EXPECT_EQ(ShownRows(page).front(), 1);
    EXPECT_TRUE(page.rows[0].value.starts_with("Prog.·8"));
    CommitText(page, 1, "Acid rinse");
    EXPECT_TRUE(RenameNodeFromText(1, "Acid rinse"));
    BuildDeviceTree();
    EXPECT_NE(Ws().Tree.nodes[EntryNode(ProgramEntry(8))].text.find("Acid rinse"), std::string::npos);
}

TEST_F(PurgonTree, SavedPurgonImageReloadsWithItsEdits) {
    MakeDevice();
    PageModel page = OpenEntry(kFixedInterval);
    Choose(page, 2, 2);
    TempDir dir;
    ASSERT_TRUE(WriteDataSet(dir.file("BACKUP01.PAR"), dir.file("BACKUP02.PAR")).ok);
    ResetWorkspace();
    const LoadResult loaded = LoadDataSet(dir.file("BACKUP01.PAR"), dir.file("BACKUP02.PAR"));
    EXPECT_EQ(loaded.code, 0);
    EXPECT_EQ(Ws().Device.Purgon.TypeCode, 79);
    EXPECT_EQ(BlockByte(14), 2);
    EXPECT_EQ(BlockByte(0), 2);
}

}  // namespace
}  // namespace tessalin::test
