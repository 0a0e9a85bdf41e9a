// The edit history over the real catalogue: every kind of change taken back and brought again restores
// the stored images byte for byte, the device, the tree and the page where it was made; typing makes one
// step; steps nest; the saved state follows undo and redo; the memory stays bounded.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/common/texts.h"
#include "core/families/purgon/purgon_fixture.h"
#include "core/configurator/configurator.h"
#include "core/device/load_data_set.h"
#include "core/history/history.h"
#include "core/page/row_text.h"
#include "core/range_error.h"
#include "core/settings/apply.h"
#include "core/settings/snapshot.h"

namespace tessalin::test {
namespace {

constexpr int kController = 0, kWeekProgram = 3;
constexpr int kFirstProgram = 12;
constexpr int StepRow(int n) { return 2 + n; }
constexpr int kMondayAt = 300;

std::vector<uint8_t> StoredImages() {
    const auto all = Ws().ParImage.all();
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kHistoryImageEnd)};
}

// The tree as the user sees it: every node's depth and text in display order.
std::vector<std::string> TreeTexts() {
    std::vector<std::string> texts;
    for (int node : NodesInOrder())
        texts.push_back(std::to_string(Ws().Tree.nodes[node].level) + " " + Ws().Tree.nodes[node].text);
    return texts;
}

// The selected node's page as it shows: label, value and unit of every row.
std::vector<std::string> PageTexts() {
    std::vector<std::string> texts;
    for (const PageRow& row : BuildFormpage().rows)
        texts.push_back(ShownLabel(row) + "=" + ShownValue(row) + " " + ShownUnit(row));
    return texts;
}

std::string SelectedPath() { return Ws().Tree.selected >= 0 ? NodePath(Ws().Tree.selected) : ""; }

// The first node titled `title` (English device texts).
int NodeTitled(const std::string& title) {
    for (int node : NodesInOrder())
        if (CatalogTextToPlain(Ws().Tree.nodes[node].text) == title) return node;
    return -1;
}

int RowLabelled(const PageModel& page, const std::string& label) {
    for (const PageRow& row : page.rows)
        if (row.label == label) return row.row;
    return -1;
}

struct Shown {
    std::vector<uint8_t> image;
    TDevice device;
    std::vector<std::string> tree;
    std::string selected;
    bool setB;
    std::vector<std::string> page;

    static Shown Now() {
        return {StoredImages(), Ws().Device, TreeTexts(), SelectedPath(), Ws().ActiveParamSet, PageTexts()};
    }
};

void ExpectShown(const Shown& expected, const std::string& what) {
    const Shown now = Shown::Now();
    EXPECT_TRUE(now.image == expected.image) << what << ": the stored images differ";
    EXPECT_TRUE(now.device == expected.device) << what << ": the device differs";
    EXPECT_EQ(now.tree, expected.tree) << what;
    EXPECT_EQ(now.selected, expected.selected) << what;
    EXPECT_EQ(now.setB, expected.setB) << what;
    EXPECT_EQ(now.page, expected.page) << what;
}

class UndoRedo : public PurgonFixture {
protected:
    void SetUp() override {
        PurgonFixture::SetUp();
        History().Clear();
    }
    void TearDown() override {
        History().Clear();
        PurgonFixture::TearDown();
    }
};

// Commits a number on the calibration page, as leaving its field does; the row it was made at.
int CommitZero(const char* typed) {
    PageModel page = BuildFormpage();
    const int row = RowLabelled(page, "Zero");
    EXPECT_TRUE(CommitNumber(page, row, typed, true).stored);
    return row;
}

TEST_F(UndoRedo, EveryKindOfStepIsTakenBackAndBroughtAgainExactly) {
    Snapshot file;
    const auto openCalibration = [] { DeviceTreeChange(NodeTitled("Calibration data")); };
    const struct {
        const char* name;
        std::function<void()> before;  // the page the change is made on, and what it starts from
        std::function<void()> change;
        bool treeRebuilt;              // taking the step back rebuilds the tree
    } cases[] = {
        {"a committed number", openCalibration, [] { CommitZero("6.5"); }, false},
        {"a number in set B",
         [&] {
             Ws().ActiveParamSet = true;
             openCalibration();
         },
         [] { CommitZero("6.8"); }, false},
        {"a choice that rebuilds the branch", [] { DeviceTreeChange(NodeOf(&MenuProbe[kController])); },
         [&] {
             PageModel page = BuildFormpage();
             EXPECT_TRUE(Choose(page, 3, 2).rebuildBranch);  // week program: seven days appear
         },
         true},
        {"copy a day",
         [] {
             for (int i = 0; i < 100; ++i) SetBlockByte(kMondayAt + i, i + 1);
             SetBlockByte(10, 2);
             BuildDeviceTree();
             DeviceTreeChange(NodeOf(&MenuProbe[kWeekProgram]));
         },
         [] {
             PageModel page = BuildFormpage();
             Choose(page, 1, 6);  // onto Friday
             EXPECT_TRUE(PressButton(page, 1, 1, false).followUp.rebuildPage);
         },
         false},
        {"insert a step",
         [] {
             SetBlockByte(800, 8);
             SetBlockByte(801, 30);
             DeviceTreeChange(NodeOf(&MenuProbe[kFirstProgram]));
         },
         [] {
             PageModel page = BuildFormpage();
             EXPECT_TRUE(PressButton(page, StepRow(1), 2, false).followUp.rebuildPage);
         },
         false},
        {"delete a step",
         [] {
             SetBlockByte(800, 8);
             SetBlockByte(804, 8);
             DeviceTreeChange(NodeOf(&MenuProbe[kFirstProgram]));
         },
         [] {
             PageModel page = BuildFormpage();
             PressButton(page, StepRow(1), 3, false);
         },
         false},
        {"configurator OK", openCalibration,
         [] {
             configurator::Configurator config;
             ASSERT_TRUE(config.addCode(4).ok);
             config.commit();
             BuildDeviceTree();
         },
         true},
        {"applying a settings file",
         [&] {
             openCalibration();
             file = TakeSnapshot(SetChoice::Both);
             CommitZero("6.5");
         },
         [&] { ApplySettings(file); },
         true},
        {"Neu", openCalibration,
         [] {
             NewDataSet();
             BuildDeviceTree();
         },
         true},
    };
    for (const auto& c : cases) {
        SetUp();
        MakeDevice();
        c.before();
        History().Clear();
        const Shown before = Shown::Now();
        ASSERT_TRUE(History().Record(c.name, [&] { c.change(); }, 3)) << c.name;
        const Shown after = Shown::Now();
        EXPECT_FALSE(after.image == before.image && after.device == before.device) << c.name;
        EXPECT_EQ(History().UndoLabel(), c.name);

        std::optional<HistoryMove> move = History().Undo();
        ASSERT_TRUE(move.has_value()) << c.name;
        EXPECT_EQ(move->treeRebuilt, c.treeRebuilt) << c.name;
        EXPECT_EQ(move->row, before.selected.empty() ? -1 : 3) << c.name;
        ExpectShown(before, std::string(c.name) + ", undone");
        EXPECT_FALSE(History().CanUndo()) << c.name;
        EXPECT_EQ(History().RedoLabel(), c.name);

        move = History().Redo();
        ASSERT_TRUE(move.has_value()) << c.name;
        const Shown redone = Shown::Now();
        EXPECT_TRUE(redone.image == after.image) << c.name << ", redone: the stored images differ";
        EXPECT_TRUE(redone.device == after.device) << c.name << ", redone";
        EXPECT_EQ(redone.tree, after.tree) << c.name << ", redone";
        // Redo, too, goes to where the change was made.
        EXPECT_EQ(redone.selected, after.tree.empty() ? "" : before.selected) << c.name << ", redone";
    }
}

TEST_F(UndoRedo, TypingInOneFieldIsOneStepAndLeavingItClosesIt) {
    MakeDevice();
    DeviceTreeChange(NodeTitled("Calibration data"));
    EditHistory& history = History();
    history.Clear();
    const std::vector<uint8_t> start = StoredImages();
    PageModel page = BuildFormpage();
    const int zero = RowLabelled(page, "Zero");
    const ParImageBuffer built = Ws().ParImage;
    // As the page view does: the step is named after the commit, from the image as it was built.
    const auto type = [&](const char* text, bool leaving) {
        history.Begin(zero);
        const NumberOutcome outcome = CommitNumber(page, zero, text, leaving);
        history.Commit(RowChangeLabel(zero, built), !leaving);
        return outcome.text;
    };
    type("6", false);
    type("6.", false);
    EXPECT_EQ(type("6.5", false), "6.5");
    // Leaving shows the number as stored, and the step is named so, in the language chosen now.
    EXPECT_EQ(type("6.5", true), "6.50");
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoLabel(), "Zero 7.00 → 6.50 pH");
    SelectLanguage(0);
    EXPECT_EQ(history.UndoLabel(), "Nullpunkt 7.00 → 6.50 pH");
    SelectLanguage(1);

    // The field left, the next typing there is a step of its own.
    type("6.2", true);
    EXPECT_EQ(history.StepCount(), 2u);
    history.Undo();
    history.Undo();
    EXPECT_TRUE(StoredImages() == start);

    // Typing back to the bytes it started from leaves no step.
    history.Clear();
    const int kept = BlockByte(801);
    history.Record("typed", [] { SetBlockByte(801, 9); }, zero, true);
    history.Record("typed", [] { SetBlockByte(801, 12); }, zero, true);
    history.Record("typed back", [kept] { SetBlockByte(801, kept); }, zero, true);
    history.Record("left", [] {}, zero);
    EXPECT_EQ(history.StepCount(), 0u);
}

// A button is named by what it does and a matrix cell by its place and states, in every language; naming
// them leaves the image and the page context as they were.
TEST_F(UndoRedo, ButtonsAndMatrixCellsAreNamedByWhatTheyDo) {
    MakeDevice();
    SetBlockByte(800, 8);
    SetBlockByte(801, 30);
    DeviceTreeChange(NodeOf(&MenuProbe[kFirstProgram]));
    BuildFormpage();
    const ParImageBuffer image = Ws().ParImage;
    const TParamRef current = Ws().CurrentParam;
    const StepLabel insert = ButtonStepLabel(StepRow(1), 2);
    EXPECT_TRUE(Ws().ParImage == image);
    EXPECT_EQ(Ws().CurrentParam.param, current.param);
    EXPECT_EQ(insert.text(), "Insert (01: Wait duration   30 s)");
    SelectLanguage(0);
    EXPECT_EQ(insert.text(), "Einfügen (01: Wartezeit   30 s)");
    SelectLanguage(1);

    PageRow before;
    before.kind = kKindMatrix;
    before.label = "Function";
    before.matrixRows = {"Softkey left", "Softkey right"};
    before.matrixColumns = {"Hold", "ParSet"};
    before.cells = {{kCellOff, kCellOff}, {kCellOn, kCellDisabled}};
    PageRow after = before;
    after.cells[0][1] = kCellOn;
    EXPECT_EQ(ValueChangeLabel(before, after), "Function: Softkey left / ParSet off → on");
    SelectLanguage(0);
    EXPECT_EQ(ValueChangeLabel(after, before), "Function: Softkey left / ParSet ein → aus");
    SelectLanguage(1);
}

TEST_F(UndoRedo, StepsNestAndAFailedChangeIsStillTakenBack) {
    MakeDevice();
    DeviceTreeChange(NodeTitled("Calibration data"));
    EditHistory& history = History();
    history.Clear();
    const std::vector<uint8_t> start = StoredImages();

    // "Repair all": many changes, one step.
    history.Record("Repair all", [&] {
        history.Record("one", [] { CommitZero("6.5"); });
        history.Record("two", [] { SetBlockByte(800, 8); });
    });
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoLabel(), "Repair all");
    EXPECT_TRUE(Ws().Modified);

    // A change that fails half way keeps what it wrote as a step that undo takes back.
    EXPECT_THROW(history.Record("failing", [] {
        SetBlockByte(801, 9);
        throw RangeError("page row", 100, 100);
    }),
                 RangeError);
    EXPECT_EQ(history.StepCount(), 2u);
    history.Undo();
    history.Undo();
    EXPECT_TRUE(StoredImages() == start);

    // Nothing changed, nothing recorded; an undo without steps does nothing.
    EXPECT_FALSE(history.Record("nothing", [] {}));
    EXPECT_FALSE(history.Undo().has_value());
}

TEST_F(UndoRedo, TheSavedStateFollowsUndoAndRedo) {
    MakeDevice();
    DeviceTreeChange(NodeTitled("Calibration data"));
    EditHistory& history = History();
    history.Clear();
    Ws().Modified = false;
    const auto step = [&](const char* typed) { history.Record(typed, [&] { CommitZero(typed); }); };

    step("6.5");
    step("6.6");
    history.MarkSaved();
    Ws().Modified = false;  // as the write leaves it
    step("6.7");
    const struct {
        const char* move;
        bool modified;
    } moves[] = {{"undo", false}, {"undo", true}, {"redo", false}, {"redo", true}, {"undo", false}};
    for (const auto& m : moves) {
        std::string(m.move) == "undo" ? history.Undo() : history.Redo();
        EXPECT_EQ(Ws().Modified, m.modified) << m.move;
    }

    // A new step where the saved one could be redone: the saved state cannot come back.
    history.Undo();
    step("6.9");
    history.Undo();
    EXPECT_TRUE(Ws().Modified);
    history.Undo();
    EXPECT_TRUE(Ws().Modified);
}

TEST_F(UndoRedo, MemoryIsBoundedAndAtLeastTheMinimumOfStepsIsKept) {
    MakeDevice();
    EditHistory& history = History();
    history.Clear();
    // Steps that change every stored byte, and many small ones.
    for (int i = 0; i < 400; ++i) {
        history.Record("all", [i] {
            for (std::size_t at = 0; at < kHistoryImageEnd; ++at)
                Ws().ParImage.setU8(static_cast<long long>(at), static_cast<uint8_t>(i + 1));
        });
    }
    EXPECT_GE(history.StepCount(), EditHistory::kMinSteps);
    EXPECT_LT(history.StepCount(), 400u);
    EXPECT_LE(history.Bytes(), EditHistory::kMaxBytes + 2 * kHistoryImageEnd + 4096);

    history.Clear();
    for (int i = 0; i < 1100; ++i) history.Record("one", [i] { Ws().ParImage.setU8(5000, static_cast<uint8_t>(i % 200 + 1)); });
    EXPECT_EQ(history.StepCount(), EditHistory::kMaxSteps);
    while (history.Undo()) {
    }
    // The oldest step kept was the 101st: its "before" is the 100th value.
    EXPECT_EQ(Ws().ParImage.u8(5000), 100);
}

}  // namespace
}  // namespace tessalin::test
