#pragma once
// What the device tree holds: its nodes (mini-markup text, depth, node record) and the node records, one
// per menu entry walked. The tree view renders these nodes; the operations of device_tree.h change them.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/catalogue/tables.h"

namespace tessalin {

inline constexpr std::size_t kNodeRecordCount = 1000;

// Tabs of the main window's page control that selecting a node makes active.
enum class MainTab { Description = 0, Parameter = 1, Grafik = 2 };

struct TreeNode {
    std::string text;           // mini-markup; a component node carries its tag "<Z>a,b</Z>"
    int level = 0;              // 0 component node, 1..5 menu node
    int record = -1;            // index into the node records
    int parent = -1;            // node id of the parent, -1 at the top
    std::vector<int> children;  // node ids in display order
};

struct DeviceTreeState {
    // Node ids index `nodes`; ids of deleted nodes are not reused until the next full rebuild.
    std::vector<TreeNode> nodes;
    std::vector<int> roots;      // top-level node ids in display order
    int selected = -1;           // node id, -1 none

    std::array<TTabPtrRec, kNodeRecordCount> records{};
    int recordCount = 0;

    MainTab activeTab = MainTab::Description;
    int grafikTag = 0;           // a * 256 + b of the selected component node
    std::string message;         // the error message of the last full rebuild, empty when it completed
    int generation = 0;          // counts the full rebuilds, so that a commit can tell a rule rebuilt the tree
};

}  // namespace tessalin
