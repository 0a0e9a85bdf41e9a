#pragma once
// A device made by the configurator model (every section at its factory defaults), loaded into the
// workspace with its device tree built: from a recipe (the parts and option keys, English texts) or from a
// device description (front, base, slot modules, and values written over the configurator's).

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/configurator/configurator.h"
#include "core/device/decode.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/page_rows.h"
#include "support/tree_walk.h"

namespace tessalin::test {

// A device named by the parts the configurator adds in order and the option keys it sets.
struct DeviceRecipe {
    std::vector<int> codes{};            // base, modules, Purgon controller in the order added
    std::vector<std::string> options{};  // option keys such as "optLPAR"
    char major = 'A';
    int front = 2;
};

// Builds the device through the configurator on a fresh workspace and commits it: the front, its software
// version, the option keys, then the parts in order. False (with a test failure) when the configurator
// refuses a step; `refusedOk` turns the refusal into a plain false for sweeps.
inline bool BuildThroughConfigurator(const DeviceRecipe& recipe, bool refusedOk = false) {
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
    return true;
}

// The recipe's device with English device texts and its tree built.
inline bool Configure(const DeviceRecipe& recipe, bool refusedOk = false) {
    if (!BuildThroughConfigurator(recipe, refusedOk)) return false;
    SelectLanguage(1);
    EXPECT_TRUE(BuildDeviceTree());
    return true;
}

inline constexpr long long kOptionWordAt = 8224;
inline constexpr long long kSwMinorAt = 4;

// Decodes the image again (made in the tool) and rebuilds the tree, as a rule that changed it would.
inline void Redecode() {
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(false);
    EXPECT_TRUE(BuildDeviceTree());
}

// A device named by its front, base and slot modules. What the configurator writes stands unless the
// description gives its own: the option word written whole, the minor software version.
struct DeviceSpec {
    int front = 2;                      // 2, or 17 for the explosion-protected variant
    char major = '9';
    std::vector<int> modules{};         // slot modules in order, as the configurator places them
    std::optional<uint32_t> optionWord{};
    std::optional<char> minor{};
    int base = 0;                       // 0: the front's own, 1 (15 under front 17)
    std::vector<std::string> options{}; // option keys set before the parts are added ("optSKLE")
};

// Builds the described device through the configurator and decodes it again with the values it gives.
inline void BuildDevice(const DeviceSpec& wanted) {
    DeviceRecipe recipe{.codes = {wanted.base != 0 ? wanted.base : wanted.front == 17 ? 15 : 1},
                        .options = wanted.options, .major = wanted.major, .front = wanted.front};
    recipe.codes.insert(recipe.codes.end(), wanted.modules.begin(), wanted.modules.end());
    if (!BuildThroughConfigurator(recipe)) return;
    if (wanted.optionWord) Ws().ParImage.setU32(kOptionWordAt, *wanted.optionWord);
    if (wanted.minor) Ws().ParImage.setU8(kSwMinorAt, static_cast<uint8_t>(*wanted.minor));
    Redecode();
}

// The described device with no option active unless the description gives the option word.
inline void MakeDevice(DeviceSpec wanted) {
    if (!wanted.optionWord) wanted.optionWord = 0;
    BuildDevice(wanted);
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
    MakeDevice({.major = major, .modules = {3, 3}});
    ReplaceModule(0, 18, 40);
    ReplaceModule(1, 18, 40);
}

}  // namespace tessalin::test
