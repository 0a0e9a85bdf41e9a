#include "core/main_window/language_switch.h"

#include <string>

#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

void RebuildTreeKeepingPath() {
    const int before = Ws().Tree.selected;
    const std::string path = before >= 0 ? NodePath(before) : std::string();
    BuildDeviceTree();
    if (path.empty()) return;
    if (const int again = NodeAtPath(path); again >= 0) DeviceTreeChange(again);
}

}  // namespace tessalin
