#pragma once
// What the configurator window shows of its configuration, as item markup in the device language:
// the configuration tree with the software version and the options as menu anchors, the header of the
// module list, and the translation of a changed menu anchor back into a configurator change.

#include <string>
#include <vector>

#include "core/configurator/configurator.h"

namespace tessalin::configurator {

// The href of the software version menu and its choices.
inline constexpr const char* kVersionHref = "sw_ver";
inline constexpr const char* kVersionChoices = "5.x|6.x|7.x|8.x|9.x|A.x";

struct ConfigNode {
    // The node's position (2 front, 1 base, 4..6 slots, 10 Purgon controller); -1 for the lines below
    // them. A selection is found again by it after every rebuild.
    int position = -1;
    std::string markup;
    std::vector<ConfigNode> children;
};

// The top-level nodes: one "nothing loaded" node without a front; otherwise front (with its lines and
// the options), base, the three slots and the Purgon controller after the slot that carries it.
std::vector<ConfigNode> BuildConfigurationTree(const Configurator& config);

// Header of the module list: the device's name in bold and "Modul-Liste" or "Module List".
std::string ModuleListHeader(const Configurator& config, int uiLanguage);

// A menu anchor of the tree changed from the user's choice: "sw_ver" takes the major character of
// "7.x"; an option key becomes active when the value is the active text of the device language.
Outcome ApplyTreeChange(Configurator& config, const std::string& href, const std::string& newValue);

}  // namespace tessalin::configurator
