#pragma once
// Devices made with the configurator model, and the steps a user takes on an operating-mode page: open
// the page through its tree node, choose items, press REFRESH, and let the action timer rebuild the tree.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/families/menu_registry.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_device.h"
#include "support/page_rows.h"
#include "support/tree_walk.h"

namespace tessalin::test {

struct Config {
    char major = '9';
    std::vector<std::string> options;
    std::vector<int> modules;
};

class OpModeFixture : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    // Front 2, base 1, then the modules in order, as "Neu" and the configurator make them.
    static void MakeDevice(const Config& c) {
        std::vector<int> codes{1};
        codes.insert(codes.end(), c.modules.begin(), c.modules.end());
        ASSERT_TRUE(Configure({.codes = codes, .options = c.options, .major = c.major}));
    }

    // Entry `index` of the menu of the module type a slot holds now.
    static const TMenuEntry* SlotEntry(int position, int index) {
        const auto menu = MenuTableOf(Ws().Device.Slot[position - kPosSlot1].Code);
        return menu && index < menu->end ? menu->entries + index : nullptr;
    }

    // Chooses the item with `code` in a list row; the page is rebuilt as the timer would.
    static void Choose(PageModel& page, int row, int code) {
        test::Choose(page, row, code);
        page = BuildFormpage();
    }

    // Presses the REFRESH button of `row`; when a rule changed the hardware the timer rebuilds the tree
    // with the selection kept, and the page is built again. Returns whether the button asked for a rebuild.
    static bool Refresh(PageModel& page, int row) {
        const ButtonOutcome out = PressButton(page, row, 1, false);
        if (std::exchange(Ws().TreeRebuildRequest, false)) RedecodeKeepSelection();
        page = BuildFormpage();
        return out.followUp.rebuildPage;
    }

    static std::string_view MenuNameOf(int code) {
        const auto menu = MenuTableOf(code);
        return menu ? menu->name : std::string_view("none");
    }

    // The menu entry and position of the selected node ({nullptr, 0} for none or a component node).
    static std::pair<const TMenuEntry*, int> Selected() {
        const int node = Ws().Tree.selected;
        if (node < 0 || Ws().Tree.nodes[node].level == 0) return {nullptr, 0};
        const TTabPtrRec& rec = Ws().Tree.records[Ws().Tree.nodes[node].record];
        return {rec.entry, rec.position};
    }
};

}  // namespace tessalin::test
