#pragma once
// Walking the device tree as a user does: finding the node of a component's menu entry, which entries of
// a menu the tree shows, and opening an entry's page by selecting its node.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/page/formpage.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::test {

// Matches an entry node under a component at any position.
inline constexpr int kAnyPosition = -1;

// The node of a menu entry under the component at `position`, or -1 when the tree does not show it.
inline int NodeOf(const TMenuEntry* entry, int position = kAnyPosition) {
    for (int node : NodesInOrder()) {
        const TreeNode& n = Ws().Tree.nodes[node];
        if (n.level == 0 || n.record < 0) continue;  // component nodes
        const TTabPtrRec& rec = Ws().Tree.records[n.record];
        if (rec.entry == entry && (position == kAnyPosition || rec.position == position)) return node;
    }
    return -1;
}

// The menu entries the tree shows under the component at `position`, in tree order.
inline std::vector<const TMenuEntry*> EntriesShownAt(int position) {
    std::vector<const TMenuEntry*> entries;
    for (int node : NodesInOrder()) {
        const TreeNode& n = Ws().Tree.nodes[node];
        if (n.level == 0 || n.record < 0) continue;
        const TTabPtrRec& rec = Ws().Tree.records[n.record];
        if (rec.position == position) entries.push_back(rec.entry);
    }
    return entries;
}

// Indices of the entries of `menu` (end index `end`) that the tree shows under the component at `position`.
inline std::set<int> VisibleEntries(const TMenuEntry* menu, int end, int position = kAnyPosition) {
    std::set<int> shown;
    for (int i = 0; i < end; ++i)
        if (NodeOf(&menu[i], position) >= 0) shown.insert(i);
    return shown;
}

// Selects the node of a menu entry and builds its page (an empty page, and a test failure, when the tree
// does not show the entry).
inline PageModel OpenPage(const TMenuEntry* entry, int position = kAnyPosition) {
    const int node = NodeOf(entry, position);
    EXPECT_GE(node, 0) << "menu entry is not in the tree at position " << position;
    if (node < 0) return {};
    DeviceTreeChange(node);
    return BuildFormpage();
}

}  // namespace tessalin::test
