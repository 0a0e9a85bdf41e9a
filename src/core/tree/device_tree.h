#pragma once
// The device tree as a model: one component node per front unit, base unit, I-module, slot module,
// attached Purgon controller and calculation block, and below each the module's menu as its menu table
// arranges it. Nodes and node records live in Ws().Tree; the tree view renders them and forwards
// selections to DeviceTreeChange.

#include <string>
#include <string_view>
#include <vector>

#include "core/tree/tree_state.h"

namespace tessalin {

// Full rebuild from Ws().Device. Resets the page requests, removes all nodes and allocates the node
// records again from 0. Stops at an unknown front, base, slot or calculation-block code with the message
// (in the user-interface language) left in Ws().Tree.message; the nodes added so far stay and nothing is
// selected. With no device (Origin 0) only the description tab is made active. Returns true when every
// component was walked; the first node is then selected as if clicked. More than 1000 node records are a
// RangeError.
bool BuildDeviceTree();

// The selection changed to `node`. A menu node opens its page: CurrentPage becomes its record (with the
// node's text as title), the menu entry hears event 1 and a page rebuild is requested. A component node
// shows its terminal plan: the Grafik tab with tag a * 256 + b from its component tag; CurrentPage is nil.
void DeviceTreeChange(int node);

// Rebuilds the children of the selected node's parent from their node records (after a commit that can
// change which menu entries are visible) and selects the same entry again. The rest of the tree is left as
// it is.
void RebuildBranch();

// After a rule changed the hardware in the image: decode the device again (made in the tool), rebuild the
// tree and select the node of the same entry again.
void RedecodeKeepSelection();

// Node ids in display order (depth first), the deleted ones left out.
std::vector<int> NodesInOrder();

// The index path of a node: its index among the top-level nodes, then among its parent's children,
// joined by "/" ("0", "0/2", "0/2/1").
std::string NodePath(int node);

// The node at an index path, or -1 when there is none.
int NodeAtPath(std::string_view path);

// The two numbers of a component tag "<Z>a,b</Z>" in a node text; false without a tag.
bool ComponentTagNumbers(std::string_view text, int& a, int& b);

// CurrentPage is nil: no menu entry behind it.
bool PageIsNil(const TTabPtrRec& page);

}  // namespace tessalin
