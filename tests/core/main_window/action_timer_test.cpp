// One tick of the action timer: its fixed order, which requests it carries out and resets, and a range
// error that ends one step without ending the tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/main_window/action_timer.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

// Records the steps in the order they run; a step named in `failing` throws a range error.
class RecordedSteps : public ActionTimerSteps {
public:
    std::vector<std::string> log;
    std::string failing;
    bool saveEnabled = false;

    void LoadRequestedDataSet() override { Run("load"); }
    void RebuildDeviceTree() override { Run("tree"); }
    void RebuildDeviceTreeKeepingSelection() override { Run("tree kept"); }
    bool SaveEnabled() const override { return saveEnabled; }
    void ShowSaveState(bool enabled) override {
        saveEnabled = enabled;
        log.push_back(enabled ? "save on" : "save off");
    }
    void BuildPage() override { Run("build"); }
    void ClearPage() override { Run("clear"); }
    void ShowRangeError(const std::string& text) override { log.push_back("error: " + text); }

private:
    void Run(const std::string& step) {
        log.push_back(step);
        if (step == failing) throw RangeError("node record", 1000, 1000);
    }
};

TEST(ActionTimer, OneTickRunsItsStepsInTheirFixedOrder) {
    const std::string error = "error: node record: index 1000 outside 0..999";
    const struct {
        const char* name;
        int request;
        bool treeByRule, modified, saveShown, rebuild, clear;
        std::string failing;
        std::vector<std::string> expected;
    } cases[] = {
        {"nothing pending", kNoAction, false, false, false, false, false, "", {}},
        {"load, then save state, then page", kLoadRequest, false, true, false, true, true, "",
         {"load", "save on", "build"}},
        {"tree asked by a rule", kNoAction, true, false, true, false, true, "", {"tree kept", "save off", "clear"}},
        {"a load goes before a rule's tree", kLoadRequest, true, false, false, false, false, "", {"load"}},
        {"tree request", kTreeRequest, false, false, false, false, true, "", {"tree", "clear"}},
        {"range error in the tree", kTreeRequest, false, true, false, true, false, "tree",
         {"tree", error, "save on", "build"}},
        {"range error in the load", kLoadRequest, false, false, false, false, true, "load", {"load", error, "clear"}},
        {"range error in the page", kNoAction, false, false, false, true, false, "build", {"build", error}},
    };
    for (const auto& c : cases) {
        ResetWorkspace();
        Workspace& ws = Ws();
        ws.Device.Origin = kOriginFile;
        ws.TreeRebuildRequest = c.treeByRule;
        ws.Modified = c.modified;
        ws.PageRebuildRequest = c.rebuild;
        ws.PageClearRequest = c.clear;
        RecordedSteps steps;
        steps.failing = c.failing;
        steps.saveEnabled = c.saveShown;
        int request = c.request;
        ActionTimerTick(request, steps);
        EXPECT_EQ(steps.log, c.expected) << c.name;
        EXPECT_EQ(request, kNoAction) << c.name;
        EXPECT_FALSE(ws.TreeRebuildRequest) << c.name;
        EXPECT_FALSE(ws.PageRebuildRequest) << c.name;
        // A clear waits while a rebuild goes first.
        EXPECT_EQ(ws.PageClearRequest, c.rebuild && c.clear) << c.name;
    }
}

TEST(ActionTimer, WithoutADeviceThereIsNothingToSave) {
    ResetWorkspace();
    Ws().Modified = true;
    RecordedSteps steps;
    int request = kNoAction;
    ActionTimerTick(request, steps);
    EXPECT_TRUE(steps.log.empty());

    steps.saveEnabled = true;  // still shown from the data set before "Neu"
    ActionTimerTick(request, steps);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"save off"}));
}

TEST(ActionTimer, LoadingClearsThePageThroughTheRequest) {
    ResetWorkspace();
    RecordedSteps steps;
    ClearPageBeforeLoad(steps);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"clear"}));
    EXPECT_FALSE(Ws().PageClearRequest);

    // A rebuild that is pending goes first, as it would on the timer; the clear follows.
    Ws().PageRebuildRequest = true;
    steps.log.clear();
    ClearPageBeforeLoad(steps);
    EXPECT_EQ(steps.log, (std::vector<std::string>{"build", "clear"}));
}

}  // namespace
}  // namespace tessalin
