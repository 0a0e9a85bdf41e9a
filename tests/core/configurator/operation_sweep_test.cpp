// What the tool writes, its own check accepts: every operation of the configurator (add, remove, move up
// and down, version, option) and every REFRESH of an operating-mode page leave a data set in which the
// check finds nothing. The devices are a table of representative ones rather than every device the
// configurator offers (that cross product takes minutes in the sanitizer build): every kind of slot module
// (measuring, output, controller, fieldbus, I-module, digital sensor carrier, LDO), both fronts, every
// software era, a Purgon controller, and calculation blocks switched on wherever two modules fit one.
// Before the operations the front's display choices are put on the last variable each offers, so that a
// module removed or moved takes a chosen variable away.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/check/check.h"
#include "core/configurator/configurator.h"
#include "core/configurator/options.h"
#include "core/families/front/front.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/check_findings.h"
#include "support/configured_device.h"
#include "support/tree_walk.h"

namespace tessalin::configurator {
namespace {

using test::DeviceRecipe;

constexpr int kDisplayEntry = 1;     // MenuFront: "Measurement display", rows 1 and 2 choose its variables
constexpr int kCalcBlocksEntry = 11; // MenuFront: "Calculation-Blocks", rows 0 and 1 choose the blocks

const DeviceRecipe kDevices[] = {
    {.codes = {1, 8, 4, 79}},                      // output module first: the display starts on [II]
    {.codes = {1, 5, 5, 4}},                       // two conductivity modules: a block, and a pH module
    {.codes = {1, 3, 3, 9}, .major = '9'},         // two pH modules with a block, the controller module
    {.codes = {1, 4, 79, 28}, .major = '9'},       // pH module with the Purgon controller, I-module
    {.codes = {1, 28, 5}, .major = '8'},           // I-module before software 9
    {.codes = {50, 27, 29}},                       // digital sensor carrier and LDO module
    {.codes = {1, 10, 26, 14}, .major = '7'},      // two oxygen modules with a block, a fieldbus module
    {.codes = {1, 7, 3, 12}, .major = '5'},        // the oldest software
    {.codes = {15, 24, 6}, .major = '8', .front = 17},  // the variant front with its I-module
};

std::string Name(const DeviceRecipe& recipe) {
    std::string name = "front " + std::to_string(recipe.front) + " software " + recipe.major + " parts";
    for (int code : recipe.codes) name += " " + std::to_string(code);
    return name;
}

// Commits item `index` of list row `row` of the page at `node`; false when the page shows no such item.
bool Choose(int node, int row, int index) {
    DeviceTreeChange(node);
    PageModel page = BuildFormpage();
    const PageRow* shown = page.find(row);
    if (shown == nullptr || !shown->enabled || !shown->active || index >= static_cast<int>(shown->items.size()))
        return false;
    CommitChoice(page, row, index);
    if (std::exchange(Ws().TreeRebuildRequest, false)) RedecodeKeepSelection();
    return true;
}

// The calculation blocks on, where the modules fit one, and the display on the last variables offered.
void ChooseWhatTheModulesOffer() {
    for (int row : {0, 1}) {
        const int node = test::NodeOf(&MenuFront[kCalcBlocksEntry], kPosFront);
        if (node >= 0) Choose(node, row, 1);
    }
    for (int row : {1, 2}) {
        const int node = test::NodeOf(&MenuFront[kDisplayEntry], kPosFront);
        DeviceTreeChange(node);
        const PageModel page = BuildFormpage();
        if (const PageRow* shown = page.find(row)) Choose(node, row, static_cast<int>(shown->items.size()) - 1);
    }
}

void ExpectNoFindings(const std::string& what) {
    SelectLanguage(1);
    ASSERT_TRUE(BuildDeviceTree()) << what;
    const std::vector<check::Finding> findings = check::CheckDataSet();
    EXPECT_TRUE(findings.empty()) << what << ":\n" << test::Describe(findings);
}

struct Operation {
    std::string name;
    std::function<Outcome(Configurator&)> apply;
};

std::vector<Operation> Operations(const Configurator& start) {
    std::vector<Operation> ops;
    for (int position : {int{kPosSlot1}, int{kPosSlot2}, int{kPosSlot3}, kPosPurgonNode})
        ops.push_back({"remove " + std::to_string(position), [=](Configurator& c) { return c.remove(position); }});
    for (int position : {int{kPosSlot2}, int{kPosSlot3}})
        ops.push_back({"up " + std::to_string(position), [=](Configurator& c) { return c.moveUp(position); }});
    for (int position : {int{kPosSlot1}, int{kPosSlot2}})
        ops.push_back({"down " + std::to_string(position), [=](Configurator& c) { return c.moveDown(position); }});
    for (char major : {'5', '6', '7', '8', '9', 'A'})
        if (major != start.device().Front.SwMajor)
            ops.push_back({std::string("version ") + major, [=](Configurator& c) { return c.setVersion(major); }});
    for (const OptionRow& row : kOptionRows)
        if (OptionOffered(row, start.device().Front)) {
            const bool active = !start.optionActive(row);
            ops.push_back({"option " + std::string(row.key) + (active ? " on" : " off"),
                           [=](Configurator& c) { return c.setOption(std::string(row.key), active); }});
        }
    for (const OfferedItem& item : start.offered())
        ops.push_back({"add " + std::to_string(kModuleCatalogue[item.row].code),
                       [row = item.row](Configurator& c) { return c.add(row); }});
    return ops;
}

TEST(OperationSweep, EveryConfiguratorOperationLeavesNothingToFind) {
    for (const DeviceRecipe& recipe : kDevices) {
        ASSERT_TRUE(test::Configure(recipe)) << Name(recipe);
        ChooseWhatTheModulesOffer();
        ExpectNoFindings(Name(recipe));
        const ParImageBuffer image = Ws().ParImage;
        const TDevice device = Ws().Device;
        const auto restore = [&] {
            ResetWorkspace();
            Ws().ParImage = image;
            Ws().Device = device;
        };
        restore();
        for (const Operation& op : Operations(Configurator())) {
            restore();
            Configurator c;
            if (!op.apply(c).ok) continue;
            c.commit();
            ExpectNoFindings(Name(recipe) + ", " + op.name);
        }
    }
}

// The node paths of the pages with a REFRESH button.
std::vector<std::string> RefreshPages() {
    std::vector<std::string> paths;
    for (int node : NodesInOrder()) {
        if (Ws().Tree.nodes[node].level == 0) continue;
        DeviceTreeChange(node);
        const PageModel page = BuildFormpage();
        for (const PageRow& row : page.rows)
            for (const PageButton& button : row.buttons)
                if (button.caption == "REFRESH") paths.push_back(NodePath(node));
    }
    return paths;
}

// Chooses every mode of the page, each with every variable (the variables of a second channel cycle
// along), and applies each with REFRESH, one after the other as a user would.
void RefreshEveryMode(const std::string& path, const std::string& device) {
    const auto open = [&path](PageModel& page) {
        const int node = NodeAtPath(path);
        if (node < 0) return false;
        DeviceTreeChange(node);
        page = BuildFormpage();
        return true;
    };
    const auto lists = [](const PageModel& page) {
        std::vector<int> rows;
        for (const PageRow& row : page.rows)
            if ((row.kind == kKindChoice || row.kind == kKindChoiceButtons) && row.enabled && row.active &&
                !row.items.empty())
                rows.push_back(row.row);
        return rows;
    };
    PageModel page;
    ASSERT_TRUE(open(page)) << device << " " << path;
    const std::vector<int> first = lists(page);
    ASSERT_FALSE(first.empty()) << device << " " << path;
    const int modes = static_cast<int>(page.find(first[0])->items.size());
    for (int mode = 0; mode < modes; ++mode) {
        for (int variable = 0;; ++variable) {
            if (!open(page)) return;  // the page went with its module
            const std::vector<int> rows = lists(page);
            if (rows.empty() || rows[0] != first[0] || mode >= static_cast<int>(page.find(rows[0])->items.size()))
                break;
            CommitChoice(page, rows[0], mode);
            page = BuildFormpage();
            bool more = false;
            std::string chosen = page.find(rows[0])->items[static_cast<std::size_t>(mode)].text;
            for (int row : lists(page)) {
                if (row == rows[0]) continue;
                const PageRow* shown = page.find(row);
                const int items = static_cast<int>(shown->items.size());
                more = more || variable + 1 < items;
                chosen += " / " + shown->items[static_cast<std::size_t>(variable % items)].text;
                CommitChoice(page, row, variable % items);
                page = BuildFormpage();
            }
            RefreshButtons(page);
            for (const PageRow& row : page.rows)
                if (!row.buttons.empty() && row.buttons[0].caption == "REFRESH" && row.buttons[0].enabled) {
                    PressButton(page, row.row, 1, false);
                    break;
                }
            if (std::exchange(Ws().TreeRebuildRequest, false)) RedecodeKeepSelection();
            ExpectNoFindings(device + ", " + path + " REFRESH " + chosen);
            if (!more) break;
        }
    }
}

TEST(OperationSweep, EveryRefreshLeavesNothingToFind) {
    int pages = 0;
    for (const DeviceRecipe& recipe : kDevices) {
        ASSERT_TRUE(test::Configure(recipe)) << Name(recipe);
        for (const std::string& path : RefreshPages()) {
            RefreshEveryMode(path, Name(recipe));
            ++pages;
        }
    }
    EXPECT_GE(pages, 5);
}

}  // namespace
}  // namespace tessalin::configurator
