#pragma once
// The devices the configurator offers: as the page sweep makes them (each module it can offer on each
// front and software version that offers it, twice where it fits, with a Purgon controller where one can
// attach), and one for each part on its own.

#include <iterator>
#include <string>
#include <vector>

#include "core/configurator/configurator.h"
#include "core/configurator/module_catalogue.h"
#include "core/workspace.h"
#include "support/configured_device.h"

namespace tessalin::test {

inline constexpr char kOfferedMajors[] = {'5', '6', '7', '8', '9', 'A'};

// The module codes the list can offer: measuring and communication modules, interface and sensor carriers.
inline std::vector<int> OfferableModules() {
    using configurator::Category;
    std::vector<int> codes;
    for (const auto& row : configurator::kModuleCatalogue) {
        const bool module = row.category == Category::Module || row.category == Category::IModule ||
                            row.category == Category::DigitalSensor || row.category == Category::Ldo;
        if (module && (row.flags & 1) != 0) codes.push_back(row.code);
    }
    return codes;
}

// Makes the device in the program on a fresh workspace: front, version, base, the module twice where it
// fits, a Purgon controller where a slot can carry it. False when this front and version do not offer the
// module.
inline bool ConfigureOffered(int front, char major, int module) {
    ResetWorkspace();
    configurator::Configurator config;
    if (!config.addCode(front).ok) return false;
    config.setVersion(major);
    if (!config.addCode(front == 17 ? 15 : 50).ok && !config.addCode(1).ok) return false;
    if (!config.addCode(module).ok) return false;
    config.addCode(module);
    config.addCode(major >= '7' && major != 'A' ? 80 : 79);
    config.commit();
    return true;
}

struct NamedRecipe {
    std::string name;
    DeviceRecipe recipe;
};

// One device for each part the configurator offers on its own: every measuring, interface and sensor
// module on base unit 1, and every base unit alone; together they fill in the pages of every family.
inline std::vector<NamedRecipe> DevicePerOfferedPart() {
    using configurator::Category;
    std::vector<NamedRecipe> devices;
    for (const configurator::CatalogueRow& row : configurator::kModuleCatalogue) {
        const bool module = row.category == Category::Module || row.category == Category::DigitalSensor ||
                            row.category == Category::Ldo || row.category == Category::IModule;
        if (module) devices.push_back({"module " + std::to_string(row.code), {{1, row.code}, {}}});
        if (row.category == Category::Base) devices.push_back({"base " + std::to_string(row.code), {{row.code}, {}}});
    }
    return devices;
}

}  // namespace tessalin::test
