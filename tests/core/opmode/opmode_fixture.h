#pragma once
// Devices made with the configurator model, and the steps a user takes on an operating-mode page: open
// the page through its tree node, choose items, press REFRESH, and let the action timer rebuild the tree.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/configurator/configurator.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

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
        ResetWorkspace();
        configurator::Configurator config;
        ASSERT_TRUE(config.addCode(2).ok);
        config.setVersion(c.major);
        for (const std::string& key : c.options) ASSERT_TRUE(config.setOption(key, true).ok) << key;
        ASSERT_TRUE(config.addCode(1).ok);
        for (int code : c.modules) ASSERT_TRUE(config.addCode(code).ok) << code;
        config.commit();
        Ws().DeviceLanguage = 1;
        Ws().UiLanguage = 1;
        ASSERT_TRUE(BuildDeviceTree());
    }

    // The node of a menu entry of the module at `position`, or -1.
    static int NodeOf(int position, const TMenuEntry* entry) {
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            if (n.level == 0 || n.record < 0) continue;
            const TTabPtrRec& rec = Ws().Tree.records[n.record];
            if (rec.position == position && rec.entry == entry) return node;
        }
        return -1;
    }
    // Entry `index` of the menu of the module type a slot holds now.
    static const TMenuEntry* SlotEntry(int position, int index) {
        const auto menu = MenuTableOf(Ws().Device.Slot[position - kPosSlot1].Code);
        return menu && index < menu->end ? menu->entries + index : nullptr;
    }

    // Opens the page of a menu entry as a click on its node does.
    static PageModel Open(int position, const TMenuEntry* entry) {
        const int node = NodeOf(position, entry);
        EXPECT_GE(node, 0) << "no node for the entry at position " << position;
        if (node < 0) return {};
        DeviceTreeChange(node);
        return BuildFormpage();
    }

    static std::vector<int> ShownRows(const PageModel& page) {
        std::vector<int> rows;
        for (const PageRow& row : page.rows) rows.push_back(row.row);
        return rows;
    }

    static std::vector<int> ItemCodes(const PageModel& page, int row) {
        std::vector<int> codes;
        if (const PageRow* r = page.find(row))
            for (const ChoiceItem& item : r->items) codes.push_back(item.code);
        return codes;
    }

    // Chooses the item with `code` in a list row; the page is rebuilt as the timer would.
    static void Choose(PageModel& page, int row, int code) {
        const PageRow* r = page.find(row);
        ASSERT_NE(r, nullptr) << "row " << row;
        for (std::size_t i = 0; i < r->items.size(); ++i) {
            if (r->items[i].code != code) continue;
            CommitChoice(page, row, static_cast<int>(i));
            page = BuildFormpage();
            return;
        }
        FAIL() << "row " << row << " offers no code " << code;
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
