#pragma once
// A device made by the configurator model (every section at its factory defaults), loaded into the
// workspace with its device tree built, from a spec (an option word) or a recipe (option keys, English),
// and helpers to find the nodes of a component's menu entries and open their pages through the tree and
// page models.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/configurator/configurator.h"
#include "core/device/decode.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/page_rows.h"

namespace tessalin::test {

struct DeviceSpec {
    DeviceSpec(int frontCode = 2, char majorVersion = '9', std::vector<int> slotModules = {}, uint32_t optionWord = 0)
        : front(frontCode), major(majorVersion), modules(std::move(slotModules)), options(optionWord) {}

    int front;                 // 2, or 17 for the explosion-protected variant (with base 15)
    char major;
    std::vector<int> modules;  // slot modules in order, as the configurator places them
    uint32_t options;          // the option word, written over the configurator's
};

inline constexpr long long kOptionWordAt = 8224;

// Decodes the image again (made in the tool) and rebuilds the tree, as a rule that changed it would.
inline void Redecode() {
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(false);
    BuildDeviceTree();
}

// The front, its base and the slot modules, with the option word written over the configurator's.
inline void MakeDevice(const DeviceSpec& wanted) {
    ResetWorkspace();
    configurator::Configurator c;
    EXPECT_TRUE(c.addCode(wanted.front).ok) << "front " << wanted.front;
    c.setVersion(wanted.major);
    EXPECT_TRUE(c.addCode(wanted.front == 17 ? 15 : 1).ok);
    for (int module : wanted.modules) EXPECT_TRUE(c.addCode(module).ok) << "module " << module;
    c.commit();
    Ws().ParImage.setU32(kOptionWordAt, wanted.options);
    Redecode();
}

// A device named by the parts the configurator adds in order and the option keys it sets.
struct DeviceRecipe {
    std::vector<int> codes;             // base, modules, Purgon controller in the order added
    std::vector<std::string> options;   // option keys such as "optLPAR"
    char major = 'A';
    int front = 2;
};

// Builds the device through the configurator in English; false (with a test failure) when the
// configurator refuses a part. `refusedOk` turns the refusal into a plain false for sweeps.
inline bool Configure(const DeviceRecipe& recipe, bool refusedOk = false) {
    ResetWorkspace();
    configurator::Configurator config;
    bool ok = config.addCode(recipe.front).ok;
    config.setVersion(recipe.major);
    for (const std::string& key : recipe.options) ok = ok && config.setOption(key, true).ok;
    for (int code : recipe.codes) ok = ok && config.addCode(code).ok;
    if (!ok) {
        if (!refusedOk) ADD_FAILURE() << "the configurator refused the recipe";
        return false;
    }
    config.commit();
    SelectLanguage(1);
    BuildDeviceTree();
    return true;
}

// Puts module `code` into slot s (0..2) of the image in place of what the configurator put there, for
// modules the configurator does not offer (the CO2 module), and decodes the device again.
inline void ReplaceModule(int s, uint8_t code, uint8_t hwId) {
    Ws().ParImage.setU8(36 + 5LL * s, code);
    const long long record = 8256 + 8LL * Ws().ParImage.u8(37 + 5LL * s);
    Ws().ParImage.setU8(record, hwId);
    Redecode();
}

// Two CO2 modules in slots [I] and [II] (they keep the pH sections the configurator gave the slots).
inline void MakeCo2Device(char major = '9') {
    MakeDevice({2, major, {3, 3}});
    ReplaceModule(0, 18, 40);
    ReplaceModule(1, 18, 40);
}

// The node of a menu entry of the component at `position`, or -1 when it is not in the tree.
inline int NodeOf(const TMenuEntry* entry, int position) {
    for (int node : NodesInOrder()) {
        const TreeNode& n = Ws().Tree.nodes[node];
        if (n.level == 0 || n.record < 0) continue;
        const TTabPtrRec& rec = Ws().Tree.records[n.record];
        if (rec.entry == entry && rec.position == position) return node;
    }
    return -1;
}

// Indices of the entries of `menu` (end index `end`) shown under the component at `position`.
inline std::set<int> VisibleEntries(const TMenuEntry* menu, int end, int position) {
    std::set<int> shown;
    for (int i = 0; i < end; ++i)
        if (NodeOf(&menu[i], position) >= 0) shown.insert(i);
    return shown;
}

// Selects the node of a menu entry and builds its page (an empty page when the entry is not shown).
inline PageModel OpenPage(const TMenuEntry* entry, int position) {
    const int node = NodeOf(entry, position);
    EXPECT_GE(node, 0) << "menu entry is not in the tree";
    if (node < 0) return {};
    DeviceTreeChange(node);
    return BuildFormpage();
}

}  // namespace tessalin::test
