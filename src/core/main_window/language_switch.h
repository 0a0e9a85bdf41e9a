#pragma once
// A language switch relabels every node of the device tree in the new device language by building the
// tree again; the user stays where they were: the node at the same place is selected again and its
// page follows.

namespace tessalin {

// Builds the device tree again and selects the node at the selected node's index path, when there is
// one (its page is then requested as after a click).
void RebuildTreeKeepingPath();

}  // namespace tessalin
